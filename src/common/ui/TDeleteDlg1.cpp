#include "common/ui/TDeleteDlg1.h"

#include "common/ui/DialogButtons.h"
#include "common/TypedYes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace zendrova {

TDeleteDlg1::TDeleteDlg1(
    const QString &caption, const QString &firstLine, const QString &warning, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("DeleteDlg1"));
    setWindowTitle(caption);
    auto *first = new QLabel(firstLine, this);
    first->setObjectName(QStringLiteral("Label1"));
    auto *prompt = new QLabel(TypedYes::typeYesText(), this);
    prompt->setObjectName(QStringLiteral("Label2"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMaxLength(TypedYes::kMaxLength);
    // What is typed shows in capitals, as it is compared.
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString shown = TypedYes::edited(text);
        if (shown != text)
            m_edit->setText(shown);
    });
    auto *warningLine = new QLabel(warning, this);
    warningLine->setObjectName(QStringLiteral("Label3"));
    auto *ok = namedButton(QStringLiteral("OKBtn"), tr("OK"));
    auto *cancel = namedButton(QStringLiteral("CancelBtn"), tr("Cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *entry = new QHBoxLayout;
    entry->addWidget(prompt);
    entry->addWidget(m_edit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(first);
    layout->addLayout(entry);
    layout->addWidget(warningLine);
    layout->addLayout(buttons);
}

QString TDeleteDlg1::typed() const
{
    return m_edit->text();
}

std::optional<QString> TDeleteDlg1::ask(
    const QString &caption, const QString &firstLine, const QString &warning, QWidget *parent)
{
    TDeleteDlg1 dialog(caption, firstLine, warning, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.typed();
}

} // namespace zendrova
