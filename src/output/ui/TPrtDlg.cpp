#include "output/ui/TPrtDlg.h"

#include "common/ui/DialogButtons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

TPrtDlg::TPrtDlg(bool oneRecord, QWidget *parent)
    : QDialog(parent)
    , m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TPrtDlg"));
    setWindowTitle(oneRecord ? tr("Print Record") : tr("Print"));

    auto *box = new QGroupBox(tr("Report Type"), this);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    auto *boxLayout = new QVBoxLayout(box);
    const QString items[] = { tr("Standard Report"), tr("Labels") };
    for (int i = 0; i < 2; ++i) {
        auto *button = new QRadioButton(items[i], box);
        button->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        m_group->addButton(button, i);
        boxLayout->addWidget(button);
    }
    m_group->button(StandardReport)->setChecked(true);

    const OkCancelHelp buttons = okCancelHelp(*this, 0);
    buttons.help->hide();
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({ buttons.ok, buttons.cancel }));
}

TPrtDlg::Choice TPrtDlg::choice() const
{
    return m_group->checkedId() == Labels ? Labels : StandardReport;
}

} // namespace zendrova
