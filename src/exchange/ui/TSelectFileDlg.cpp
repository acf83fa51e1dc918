#include "exchange/ui/TSelectFileDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TSelectFileDlg::TSelectFileDlg(const QString &prompt, const QString &folder, QWidget *parent)
    : QDialog(parent)
    , Edit1(new QLineEdit(QStringLiteral("*.*"), this))
    , FileListBox1(new QListWidget(this))
    , OKBtn(namedButton(QStringLiteral("OKBtn"), tr("&OK")))
    , CancelBtn(namedButton(QStringLiteral("CancelBtn"), tr("&Cancel")))
    , BitBtn1(namedButton(QStringLiteral("BitBtn1"), tr("&Help")))
{
    setObjectName(QStringLiteral("SelectFileDlg"));
    setWindowTitle(prompt.isEmpty() ? tr("Select File") : prompt);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    auto *label = new QLabel(tr("File Name:"), this);
    label->setBuddy(Edit1);
    FileListBox1->addItems(
        QDir(folder).entryList({ QStringLiteral("*.DBF"), QStringLiteral("*.dbf") }, QDir::Files,
            QDir::Name | QDir::IgnoreCase));

    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn1, &QPushButton::clicked, this, &TSelectFileDlg::BitBtn1Click);
    connect(FileListBox1, &QListWidget::currentTextChanged, Edit1, &QLineEdit::setText);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(Edit1);
    column->addWidget(FileListBox1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addLayout(buttonColumn({ OKBtn, CancelBtn, BitBtn1 }));
}

QString TSelectFileDlg::fileName() const
{
    return Edit1->text().trimmed();
}

void TSelectFileDlg::BitBtn1Click()
{
    Interaction::current().showHelp(
        windowTitle().contains(QStringLiteral("Export")) ? kExportHelp : kImportHelp);
}

QString TSelectFileDlg::ask(const QString &prompt, const QString &folder, QWidget *parent)
{
    TSelectFileDlg dialog(prompt, folder, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.fileName() : QString();
}

} // namespace zendrova
