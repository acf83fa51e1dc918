#include "store/ui/TEditDbDlg.h"

#include "common/ui/DialogButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TEditDbDlg::TEditDbDlg(
    const QString &name, const QString &description, const QString &fileName, QWidget *parent)
    : QDialog(parent)
    , Edit1(new QLineEdit(name, this))
    , Edit2(new QLineEdit(description, this))
    , Edit3(new QLineEdit(fileName, this))
{
    setObjectName(QStringLiteral("EditDbDlg"));
    setWindowTitle(fileName.isEmpty() ? tr("Create New Database") : tr("Edit Database Information"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setToolTip(tr("Enter Database Name Here"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setToolTip(tr("Enter Database Description Here"));
    Edit2->setMaxLength(kMaxDescriptionLength);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setToolTip(tr("File Name As Created On Hard Disk (*.DBF, *.DBT, *.MDX)"));
    Edit3->setReadOnly(true);
    Edit3->setEnabled(false); // grey
    Edit1->setMinimumWidth(300);

    const OkCancelHelp buttons = okCancelHelp(*this, kHelpContext);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto *fields = new QFormLayout;
    fields->addRow(tr("Database Name:"), Edit1);
    fields->addRow(tr("Database Description:"), Edit2);
    fields->addRow(tr("Disk File Name:"), Edit3);
    QHBoxLayout *row = buttonRow({ OKBtn, CancelBtn, HelpBtn });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(row);
}

} // namespace zendrova
