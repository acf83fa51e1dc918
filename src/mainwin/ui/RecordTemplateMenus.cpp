#include "mainwin/ui/RecordTemplateMenus.h"

#include "mainwin/TRecordTemplateList.h"

#include <QMenu>
#include <QPushButton>

namespace zendrova {

RecordTemplateMenus::RecordTemplateMenus(QPushButton *button, QWidget *parent)
    : QObject(parent)
    , m_button(button)
{
    m_templateMenu = new QMenu(parent);
    m_templateMenu->setObjectName(QStringLiteral("TemplateMenu"));
    m_rightMenu = new QMenu(parent);
    m_rightMenu->setObjectName(QStringLiteral("TemplateRMenu"));
    m_replaceMenu = m_rightMenu->addMenu(tr("&Replace Record With Template"));
    m_replaceMenu->menuAction()->setObjectName(QStringLiteral("ReplaceRecordWithTemplate1"));
    m_saveItem = m_rightMenu->addAction(tr("&Save Record To Template"));
    m_saveItem->setObjectName(QStringLiteral("SaveRecordToTemplate2"));
    connect(m_saveItem, &QAction::triggered, this, &RecordTemplateMenus::saveRequested);

    m_button->setToolTip(tr("Left Click - Select New Record Template; Right Click - Popup Menu"));
    m_button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_button, &QPushButton::clicked, this,
        [this] { m_templateMenu->popup(m_button->mapToGlobal(QPoint(0, m_button->height()))); });
    connect(m_button, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { m_rightMenu->popup(m_button->mapToGlobal(at)); });
    setNames({});
}

void RecordTemplateMenus::setNames(const QStringList &names)
{
    m_names = names;
    fillTemplateMenu();
    fillReplaceMenu(m_replaceMenu);
}

void RecordTemplateMenus::fillTemplateMenu()
{
    m_templateMenu->clear();
    m_templateMenu->addAction(tr("Templates For Adding New Records:"))->setEnabled(false);
    for (const QString &name : QStringList(TRecordTemplateList::kBlank) + m_names) {
        connect(m_templateMenu->addAction(name), &QAction::triggered, this,
            [this, name] { m_button->setText(name); });
    }
}

void RecordTemplateMenus::fillReplaceMenu(QMenu *menu)
{
    menu->clear();
    for (const QString &name : QStringList(TRecordTemplateList::kBlank) + m_names) {
        connect(menu->addAction(name), &QAction::triggered, this,
            [this, name] { emit replaceChosen(name); });
    }
}

void RecordTemplateMenus::setEditable(bool replace, bool save)
{
    m_replaceMenu->menuAction()->setEnabled(replace);
    m_saveItem->setEnabled(save);
}

} // namespace zendrova
