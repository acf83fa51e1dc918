#include "output/ui/TLabelLoadDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TLabelLoadDlg::TLabelLoadDlg(const QString &userFolder, TLabelRec &current, QWidget *parent)
    : QDialog(parent)
    , m_model(userFolder)
    , m_current(current)
{
    setObjectName(QStringLiteral("TLabelLoadDlg"));
    setWindowTitle(tr("Load Label Template"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setToolTip(tr("All Label Templates"));
    auto *label = new QLabel(tr("Label Templates:"));
    label->setBuddy(m_list);

    QPushButton *ok = namedButton(QStringLiteral("OKBtn"), tr("&OK"));
    QPushButton *cancel = namedButton(QStringLiteral("BitBtn1"), tr("&Cancel"));
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    QPushButton *remove = namedButton(QStringLiteral("Delete_Btn"), tr("&Delete"));
    ok->setDefault(true);

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(label);
    listSide->addWidget(m_list);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(listSide, 1);
    layout->addLayout(buttonColumn({ ok, cancel, help, remove }));

    connect(ok, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { OKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        help, &QPushButton::clicked, this, [] { Interaction::current().showHelp(kHelpContext); });
    connect(remove, &QPushButton::clicked, this, [this] { Delete_BtnClick(); });
    connect(
        m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_model.select(row); });

    m_opened = m_model.open();
    showNames();
}

void TLabelLoadDlg::showNames()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(m_model.names());
    m_list->setCurrentRow(m_model.selected());
}

void TLabelLoadDlg::Delete_BtnClick()
{
    m_model.deleteSelected();
    showNames();
}

void TLabelLoadDlg::OKBtnClick()
{
    if (m_model.accept(m_current))
        accept();
}

} // namespace zendrova
