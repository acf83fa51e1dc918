#include "shell/ui/TUserDlg.h"

#include "common/ui/DialogButtons.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QGroupBox *radioGroup(QWidget *parent, const QString &objectName, const QString &title,
    const QStringList &items, QButtonGroup *group, int checked)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(objectName);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), box);
        button->setObjectName(objectName + QString::number(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    group->button(checked)->setChecked(true);
    return box;
}

QLineEdit *namedEdit(QWidget *parent, const QString &objectName, const QString &text, int max)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    if (max > 0)
        edit->setMaxLength(max);
    return edit;
}

} // namespace

TUserDlg::TUserDlg(const UserAccounts::Entry &entry, bool withFolder, QWidget *parent)
    : QDialog(parent)
    , m_withFolder(withFolder)
    , m_access(new QButtonGroup(this))
    , m_status(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("UserDlg"));
    setWindowTitle(tr("User Account"));
    Name_Ed = namedEdit(this, QStringLiteral("Name_Ed"), entry.name, UserAccounts::kMaxNameLength);
    UserID_Ed = namedEdit(
        this, QStringLiteral("UserID_Ed"), entry.userId, UserAccounts::kMaxUserIdLength);
    Pass_Ed = namedEdit(this, QStringLiteral("Pass_Ed"), QString(), UserAccounts::kMaxPasswordLength);
    Pass_Ed->setEchoMode(QLineEdit::Password);
    DataDir_Ed = namedEdit(this, QStringLiteral("DataDir_Ed"), entry.dataDirectory, 0);
    DataDir_Lbl = new QLabel(tr("Data Directory:"), this);
    DataDir_Lbl->setObjectName(QStringLiteral("DataDir_Lbl"));
    DataDir_Lbl->setVisible(withFolder);
    DataDir_Ed->setVisible(withFolder);
    Access_GB = radioGroup(this, QStringLiteral("Access_GB"), tr("Public Files Access Rights"),
        { tr("Read and Write"), tr("Read Only"), tr("None") }, m_access, int(entry.access));
    Status_GB = radioGroup(this, QStringLiteral("Status_GB"), tr("Current Status"),
        { tr("Active"), tr("Not Active") }, m_status, int(entry.status));

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &TUserDlg::OKBtnClick);

    auto *fields = new QFormLayout;
    fields->addRow(tr("Name:"), Name_Ed);
    fields->addRow(tr("User ID:"), UserID_Ed);
    fields->addRow(tr("Password:"), Pass_Ed);
    fields->addRow(DataDir_Lbl, DataDir_Ed);
    auto *groups = new QHBoxLayout;
    groups->addWidget(Access_GB);
    groups->addWidget(Status_GB);
    QHBoxLayout *row = buttonRow({ OKBtn, CancelBtn, HelpBtn });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(groups);
    layout->addLayout(row);
}

UserAccounts::Entry TUserDlg::entry() const
{
    return { Name_Ed->text(), UserID_Ed->text(), Pass_Ed->text(),
        m_withFolder ? DataDir_Ed->text() : QString(), AccountStatus(m_status->checkedId()),
        AccountAccess(m_access->checkedId()) };
}

void TUserDlg::OKBtnClick()
{
    if (UserAccounts::accepts(entry(), m_withFolder))
        accept();
}

} // namespace zendrova
