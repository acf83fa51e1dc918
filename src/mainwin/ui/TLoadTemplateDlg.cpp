#include "mainwin/ui/TLoadTemplateDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TLoadTemplateDlg::TLoadTemplateDlg(const QString &objectName, const Texts &texts, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(texts.caption);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ListBox1"));
    auto *label = new QLabel(texts.label);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(m_list);

    QPushButton *ok = namedButton(QStringLiteral("OKBtn"), texts.ok);
    QPushButton *cancel = namedButton(QStringLiteral("CancelBtn"), texts.cancel);
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    QPushButton *remove = namedButton(QStringLiteral("DeleteBtn"), tr("&Delete"));
    ok->setDefault(true);

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(label);
    listSide->addWidget(m_list);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(listSide, 1);
    layout->addLayout(buttonColumn({ ok, cancel, help, remove }));

    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(kHelpContext); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteBtnClick(); });
}

void TLoadTemplateDlg::showNames(const QStringList &names, int selected)
{
    m_list->clear();
    m_list->addItems(names);
    m_list->setCurrentRow(selected);
}

int TLoadTemplateDlg::selectedRow() const
{
    return m_list->currentRow();
}

} // namespace zendrova
