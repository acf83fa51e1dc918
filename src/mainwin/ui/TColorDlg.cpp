#include "mainwin/ui/TColorDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"
#include "mainwin/ui/TColorDlgGrid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zendrova {

TColorDlg::TColorDlg(
    ColorScheme &scheme, const QString &databaseFolder, ColorDialogUse use, QWidget *parent)
    : QDialog(parent)
    , m_model(scheme, databaseFolder, use)
{
    setObjectName(QStringLiteral("TColorDlg"));
    setWindowTitle(tr("Set Colors"));

    auto *group = new QGroupBox(m_model.groupCaption());
    group->setObjectName(QStringLiteral("RadioGroup1"));
    m_radio = new QButtonGroup(group);
    auto *radioLayout = new QVBoxLayout(group);
    for (int i = 0; i < m_model.radioItems().size(); ++i) {
        auto *radio = new QRadioButton(m_model.radioItems().at(i));
        m_radio->addButton(radio, i);
        radioLayout->addWidget(radio);
    }
    radioLayout->addStretch();
    m_radio->button(0)->setChecked(true);

    m_grid = new TColorDlgGrid;
    QPushButton *ok = namedButton(QStringLiteral("OKBtn"), tr("OK"));
    QPushButton *cancel = namedButton(QStringLiteral("CancelBtn"), tr("Cancel"));
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    ok->setDefault(true);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttonColumn({ ok, cancel, help }));

    connect(m_radio, &QButtonGroup::idClicked, this, &TColorDlg::RadioGroup1Click);
    m_grid->onCellClicked([this](int index) { Color_LstClick(index); });
    connect(ok, &QPushButton::clicked, this, &TColorDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TColorDlg::reject);
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(ColorDialogModel::kHelpContext); });
    showCurrent();
}

void TColorDlg::showCurrent()
{
    m_grid->setCurrent(m_model.currentColor(), m_model.outlineColor());
}

void TColorDlg::RadioGroup1Click(int item)
{
    m_model.selectItem(item);
    showCurrent();
}

void TColorDlg::Color_LstClick(int paletteIndex)
{
    m_model.chooseColor(paletteIndex);
    showCurrent();
    emit schemeEdited();
}

void TColorDlg::OKBtnClick()
{
    m_model.accept();
    accept();
}

void TColorDlg::reject()
{
    m_model.cancel();
    // A caller that showed the clicked colours shows the restored ones.
    emit schemeEdited();
    QDialog::reject();
}

} // namespace zendrova
