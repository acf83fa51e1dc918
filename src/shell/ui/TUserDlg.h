#pragma once

#include "shell/UserAccounts.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zendrova {

// "User Account": one account's name, user ID, password, folder, public files
// access and status. The password edit starts blank whatever is stored.
class TUserDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 111;

    // withFolder: the data directory is shown (Edit); New hides it.
    TUserDlg(const UserAccounts::Entry &entry, bool withFolder, QWidget *parent = nullptr);

    UserAccounts::Entry entry() const;

    QLineEdit *Name_Ed;
    QLineEdit *UserID_Ed;
    QLineEdit *Pass_Ed;
    QLabel *DataDir_Lbl;
    QLineEdit *DataDir_Ed;
    QGroupBox *Access_GB;
    QGroupBox *Status_GB;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;

private:
    void OKBtnClick();

    bool m_withFolder;
    QButtonGroup *m_access;
    QButtonGroup *m_status;
};

} // namespace zendrova
