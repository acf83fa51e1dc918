#include "store/ui/TSortDlg.h"

#include "common/Interaction.h"
#include "store/SortChange.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zendrova {
namespace {

QComboBox *fieldCombo(const QString &name, const QStringList &items)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setMaxVisibleItems(items.size());
    return combo;
}

QPushButton *dialogButton(const QString &name, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

} // namespace

TSortDlg::TSortDlg(SortDescriptor &descriptor, const QStringList &captions,
    const FieldModel &fields, QWidget *parent)
    : QDialog(parent)
    , m_descriptor(descriptor)
    , m_options(captions, fields)
{
    setObjectName(QStringLiteral("TSortDlg"));
    setWindowTitle(tr("Sort Options"));

    m_sortCB = fieldCombo(QStringLiteral("Sort_CB"), m_options.primaryItems());
    m_sort2CB = fieldCombo(QStringLiteral("Sort2_CB"), m_options.secondaryItems());
    m_orderGB = orderGroup(QStringLiteral("Order_GB"), m_order);
    m_order2GB = orderGroup(QStringLiteral("Order2_GB"), m_order2);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Primary Sort Field:")), 0, 0);
    grid->addWidget(m_sortCB, 1, 0);
    grid->addWidget(m_orderGB, 2, 0);
    grid->addWidget(new QLabel(tr("Secondary Sort Field:")), 0, 1);
    grid->addWidget(m_sort2CB, 1, 1);
    grid->addWidget(m_order2GB, 2, 1);

    QPushButton *ok = dialogButton(QStringLiteral("OKBtn"), tr("OK"));
    QPushButton *cancel = dialogButton(QStringLiteral("CancelBtn"), tr("Cancel"));
    QPushButton *help = dialogButton(QStringLiteral("HelpBtn"), tr("&Help"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_sortCB, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_options.setPrimaryIndex(index);
        showOptions();
    });
    connect(m_sort2CB, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_options.setSecondaryIndex(index);
        showOptions();
    });
    connect(m_order, &QButtonGroup::idClicked, this, [this](int id) {
        m_options.setPrimaryOrder(id);
        showOptions();
    });
    connect(m_order2, &QButtonGroup::idClicked, this, [this](int id) {
        m_options.setSecondaryOrder(id);
        showOptions();
    });
    connect(ok, &QPushButton::clicked, this, &TSortDlg::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(SortOptions::kHelpContext); });

    m_options.show(descriptor.sort);
    showOptions();
}

QGroupBox *TSortDlg::orderGroup(const QString &name, QButtonGroup *&buttons)
{
    auto *box = new QGroupBox(tr("Sort Order"));
    box->setObjectName(name);
    buttons = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    const QString texts[] = { tr("Ascending"), tr("Descending") };
    for (int id = 0; id < 2; ++id) {
        auto *radio = new QRadioButton(texts[id]);
        buttons->addButton(radio, id);
        layout->addWidget(radio);
    }
    return box;
}

void TSortDlg::showOptions()
{
    const QSignalBlocker blockPrimary(m_sortCB);
    const QSignalBlocker blockSecondary(m_sort2CB);
    m_sortCB->setCurrentIndex(m_options.primaryIndex());
    m_sort2CB->setCurrentIndex(m_options.secondaryIndex());
    m_order->button(m_options.primaryOrder())->setChecked(true);
    m_order2->button(m_options.secondaryOrder())->setChecked(true);
    m_order2GB->setEnabled(m_options.secondaryOrderEnabled());
}

void TSortDlg::OKBtnClick()
{
    SortChange::chooseAll(m_descriptor, m_options.result());
    accept();
}

} // namespace zendrova
