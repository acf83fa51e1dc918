#pragma once

#include "common/LoginForm.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zendrova {

// The Login dialog; also shown as the security check. What it shows and what
// OK decides come from its LoginForm.
class TLoginDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TLoginDlg(const LoginForm &form, QWidget *parent = nullptr);

    // How the dialog ended; a failed login until OK decided otherwise.
    const LoginOutcome &outcome() const { return m_outcome; }

    void OKBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const LoginForm &m_form;
    LoginOutcome m_outcome = LoginForm::cancelled();
    QLabel *Label1;
    QLineEdit *UserID_Ed;
    QLabel *Label2;
    QLineEdit *Password_Ed;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
};

} // namespace zendrova
