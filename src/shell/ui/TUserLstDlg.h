#pragma once

#include "shell/UserAccounts.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace zendrova {

class AppState;

// "User Accounts": the account names with Edit, New and Delete. The accounts
// are read when it opens and written to "users.lst" when it closes, however
// it closes.
class TUserLstDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 110;

    explicit TUserLstDlg(const AppState &state, QWidget *parent = nullptr);
    // Opens it modally unless the account list on disk is damaged.
    static void run(const AppState &state, QWidget *parent);

    bool loaded() const { return m_accounts.loaded(); }
    void done(int result) override;

    QListWidget *User_Lst;
    QPushButton *Edit_Btn;
    QPushButton *New_Btn;
    QPushButton *Delete_Btn;
    QPushButton *OKBtn;
    QPushButton *HelpBtn;

private:
    void Edit_BtnClick();
    void New_BtnClick();
    void Delete_BtnClick();
    void showButtonStates();

    UserAccounts m_accounts;
    bool m_saved = false;
};

} // namespace zendrova
