#include "common/ui/TLoginDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {
constexpr int kEditWidth = 200;
} // namespace

TLoginDlg::TLoginDlg(const LoginForm &form, QWidget *parent)
    : QDialog(parent)
    , m_form(form)
    , Label1(new QLabel(tr("User ID:"), this))
    , UserID_Ed(new QLineEdit(form.initialUserId(), this))
    , Label2(new QLabel(tr("Password:"), this))
    , Password_Ed(new QLineEdit(this))
    , OKBtn(new QPushButton(tr("&OK"), this))
    , CancelBtn(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(QStringLiteral("LoginDlg"));
    Label1->setObjectName(QStringLiteral("Label1"));
    UserID_Ed->setObjectName(QStringLiteral("UserID_Ed"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Password_Ed->setObjectName(QStringLiteral("Password_Ed"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    setWindowTitle(form.caption());
    UserID_Ed->setMaxLength(LoginForm::kMaxUserIdLength);
    Password_Ed->setMaxLength(LoginForm::kMaxPasswordLength);
    Password_Ed->setEchoMode(QLineEdit::Password);
    UserID_Ed->setMinimumWidth(kEditWidth);
    Password_Ed->setMinimumWidth(kEditWidth);
    Label1->setBuddy(UserID_Ed);
    Label2->setBuddy(Password_Ed);
    Label1->setVisible(form.showsUserId());
    UserID_Ed->setVisible(form.showsUserId());
    Label2->setVisible(form.showsPassword());
    Password_Ed->setVisible(form.showsPassword());
    OKBtn->setDefault(true);

    connect(OKBtn, &QPushButton::clicked, this, &TLoginDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(UserID_Ed);
    layout->addWidget(Label2);
    layout->addWidget(Password_Ed);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TLoginDlg::OKBtnClick()
{
    m_outcome = m_form.submit(UserID_Ed->text(), Password_Ed->text());
    accept();
}

void TLoginDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_form.showsUserId())
        UserID_Ed->setFocus();
    else
        Password_Ed->setFocus();
}

} // namespace zendrova
