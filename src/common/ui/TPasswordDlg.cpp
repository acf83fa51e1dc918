#include "common/ui/TPasswordDlg.h"

#include "common/PasswordChange.h"
#include "common/ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {
constexpr int kEditWidth = 200;
} // namespace

TPasswordDlg::TPasswordDlg(const QString &label, QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(label, this))
    , Password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(tr("Password Dialog"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Password->setObjectName(QStringLiteral("Password"));
    Password->setMaxLength(PasswordChange::kMaxLength);
    Password->setEchoMode(QLineEdit::Password);
    Password->setMinimumWidth(kEditWidth);
    Label1->setBuddy(Password);
    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    BitBtn1 = buttons.help;
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    QHBoxLayout *row = buttonRow({ OKBtn, CancelBtn, BitBtn1 });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Password);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QString> TPasswordDlg::ask(const QString &label, QWidget *parent)
{
    TPasswordDlg dialog(label, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Password->text();
}

} // namespace zendrova
