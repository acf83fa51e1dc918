#include "shell/ui/TUserLstDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "shell/ui/TUserDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TUserLstDlg::TUserLstDlg(const AppState &state, QWidget *parent)
    : QDialog(parent)
    , User_Lst(new QListWidget(this))
    , m_accounts(state)
{
    setObjectName(QStringLiteral("UserLstDlg"));
    setWindowTitle(tr("User Accounts"));
    User_Lst->setObjectName(QStringLiteral("User_Lst"));
    User_Lst->addItems(m_accounts.names());
    if (User_Lst->count() > 0)
        User_Lst->setCurrentRow(0);
    auto *label = new QLabel(tr("User List:"), this);
    label->setBuddy(User_Lst);
    Edit_Btn = namedButton(QStringLiteral("Edit_Btn"), tr("&Edit"));
    New_Btn = namedButton(QStringLiteral("New_Btn"), tr("&New"));
    Delete_Btn = namedButton(QStringLiteral("Delete_Btn"), tr("&Delete"));
    OKBtn = namedButton(QStringLiteral("OKBtn"), tr("&Close"));
    HelpBtn = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    OKBtn->setDefault(true);
    connect(Edit_Btn, &QPushButton::clicked, this, &TUserLstDlg::Edit_BtnClick);
    connect(New_Btn, &QPushButton::clicked, this, &TUserLstDlg::New_BtnClick);
    connect(Delete_Btn, &QPushButton::clicked, this, &TUserLstDlg::Delete_BtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(kHelpContext); });
    connect(User_Lst, &QListWidget::itemDoubleClicked, this, &TUserLstDlg::Edit_BtnClick);

    auto *list = new QVBoxLayout;
    list->addWidget(label);
    list->addWidget(User_Lst);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(list);
    layout->addLayout(buttonColumn({ Edit_Btn, New_Btn, Delete_Btn, OKBtn, HelpBtn }));
    showButtonStates();
}

void TUserLstDlg::run(const AppState &state, QWidget *parent)
{
    TUserLstDlg dialog(state, parent);
    if (dialog.loaded())
        dialog.exec();
}

void TUserLstDlg::done(int result)
{
    // Close, Esc and the window's close box alike.
    if (!m_saved && m_accounts.loaded()) {
        m_saved = true;
        m_accounts.save();
    }
    QDialog::done(result);
}

void TUserLstDlg::showButtonStates()
{
    const bool any = User_Lst->currentRow() >= 0;
    Edit_Btn->setEnabled(any);
    Delete_Btn->setEnabled(any);
}

void TUserLstDlg::Edit_BtnClick()
{
    const int row = User_Lst->currentRow();
    if (row < 0)
        return;
    TUserDlg dialog(m_accounts.entryAt(row), true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_accounts.edit(row, dialog.entry());
    User_Lst->item(row)->setText(dialog.entry().name);
}

void TUserLstDlg::New_BtnClick()
{
    TUserDlg dialog({}, false, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_accounts.add(dialog.entry()))
        return;
    User_Lst->addItem(dialog.entry().name);
    User_Lst->setCurrentRow(User_Lst->count() - 1);
    showButtonStates();
}

void TUserLstDlg::Delete_BtnClick()
{
    const int row = User_Lst->currentRow();
    if (row < 0 || !m_accounts.remove(row))
        return;
    delete User_Lst->takeItem(row);
    if (User_Lst->count() > 0)
        User_Lst->setCurrentRow(std::min(row, User_Lst->count() - 1));
    showButtonStates();
}

} // namespace zendrova
