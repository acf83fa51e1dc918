#include "exchange/ui/TImportSourceDlg.h"

#include "common/ui/DialogButtons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

TImportSourceDlg::TImportSourceDlg(bool exporting, QWidget *parent)
    : QDialog(parent)
    , RadioGroup1(new QGroupBox(exporting ? tr("Export To:") : tr("Import From:"), this))
    , OKBtn(namedButton(QStringLiteral("OKBtn"), tr("&OK")))
    , CancelBtn(namedButton(QStringLiteral("CancelBtn"), tr("&Cancel")))
    , m_choice(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ImportSourceDlg"));
    setWindowTitle(exporting ? tr("Export Target") : tr("Import Source"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto *radios = new QVBoxLayout(RadioGroup1);
    const QStringList items { tr("Text File"), tr("DBF File") };
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], RadioGroup1);
        radio->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        m_choice->addButton(radio, i);
        radios->addWidget(radio);
    }
    m_choice->button(TextFile)->setChecked(true);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttonColumn({ OKBtn, CancelBtn }));
}

TImportSourceDlg::Kind TImportSourceDlg::kind() const
{
    return m_choice->checkedId() == DbfFile ? DbfFile : TextFile;
}

std::optional<TImportSourceDlg::Kind> TImportSourceDlg::ask(bool exporting, QWidget *parent)
{
    TImportSourceDlg dialog(exporting, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.kind();
}

} // namespace zendrova
