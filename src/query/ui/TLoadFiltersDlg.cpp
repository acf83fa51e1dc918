#include "query/ui/TLoadFiltersDlg.h"

#include "query/TFilterTemplateList.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace zendrova {

TLoadFiltersDlg::TLoadFiltersDlg(TFilterTemplateList &templates, QWidget *parent)
    : QDialog(parent)
    , m_templates(templates)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("TLoadFiltersDlg"));
    setWindowTitle(tr("Load Filter Template"));
    resize(388, 179);

    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->addItems(m_templates.names());
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    auto *label = new QLabel(tr("Filter Templates:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(m_list);

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    QPushButton *remove = namedButton(QStringLiteral("BitBtn1"), tr("&Delete"));
    connect(buttons.ok, &QPushButton::clicked, this, &TLoadFiltersDlg::choose);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TLoadFiltersDlg::choose);
    connect(remove, &QPushButton::clicked, this, &TLoadFiltersDlg::deleteSelected);

    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(label);
    listColumn->addWidget(m_list, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttonColumn({ buttons.ok, remove, buttons.cancel, buttons.help }));
}

void TLoadFiltersDlg::choose()
{
    // The lines are the templates in list order, deleted in step.
    const int row = m_list->currentRow();
    m_fileName
        = row >= 0 && row < m_templates.size() ? m_templates.items()[row].fileName : QString();
    accept();
}

void TLoadFiltersDlg::deleteSelected()
{
    if (m_list->count() == 0
        || !askYesNo(MessageKind::Confirmation, tr("Delete Selected Template?")))
        return;
    const QListWidgetItem *item = m_list->currentItem();
    if (item && m_templates.deleteNamed(item->text()))
        delete m_list->takeItem(m_list->row(item));
}

} // namespace zendrova
