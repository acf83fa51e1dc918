#include "output/ui/TSummaryDlg.h"

#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "output/SummaryPrint.h"
#include "output/ui/TPieGraphDlg.h"
#include "store/StoreTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zendrova {

namespace {

QPushButton *button(const QString &name, const QString &text, const QString &hint)
{
    auto *result = new QPushButton(text);
    result->setObjectName(name);
    result->setToolTip(hint);
    result->setAutoDefault(false);
    return result;
}

constexpr int kVisibleRows = 16;

} // namespace

TSummaryDlg::TSummaryDlg(
    const QStringList &captions, const StoreTable &table, FilterScope scope, QWidget *parent)
    : QDialog(parent)
    , m_model(captions, table.fieldModel())
    , m_folder(table.folder())
    , m_fileName(table.fileName())
    , m_scope(scope)
{
    setObjectName(QStringLiteral("TSummaryDlg"));
    setWindowTitle(tr("Summary"));
    setToolTip(tr("Select 'Summary By' data field"));
    // The report driver's own destination, the preview, from which the user prints.
    printSummary = [](const SummaryDialogModel &model) {
        SummaryPrint(model).run(print::rdPreview);
    };

    m_field = new QComboBox;
    m_field->setObjectName(QStringLiteral("ComboBox1"));
    m_field->addItems(m_model.fieldItems());
    m_field->setCurrentIndex(-1);
    m_field->setMaxVisibleItems(m_model.fieldItems().size());
    auto *fieldLabel = new QLabel(tr("Summary By:"));
    fieldLabel->setBuddy(m_field);

    auto *sortBox = new QGroupBox(tr("Sort By"));
    sortBox->setObjectName(QStringLiteral("SortBy"));
    m_sortBy = new QButtonGroup(sortBox);
    auto *sortLayout = new QHBoxLayout(sortBox);
    const QString orders[] = { tr("Name"), tr("Value") };
    for (int id = 0; id < 2; ++id) {
        auto *radio = new QRadioButton(orders[id]);
        m_sortBy->addButton(radio, id);
        sortLayout->addWidget(radio);
    }
    m_sortBy->button(int(SummaryOrder::Name))->setChecked(true);
    m_values = new QCheckBox(tr("Show &Values"));
    m_values->setObjectName(QStringLiteral("ShowValues"));
    m_values->setToolTip(tr("Show what the cards of each group cost and are worth"));

    m_grid = new QTableWidget(kVisibleRows, SummaryDialogModel::kCountColumns);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->horizontalHeader()->setFixedHeight(kRowHeight + 4);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFixedHeight(kRowHeight * kVisibleRows + kRowHeight + 8);

    // The totals sit under their columns: the count under column 1.
    m_totalLabel = new QLabel(tr("Total:"));
    m_totalLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total = new QLabel;
    m_total->setObjectName(QStringLiteral("Label3"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setFixedWidth(kCountWidth);
    for (int i = 0; i < SummaryDialogModel::kValueColumns; ++i) {
        auto *label = new QLabel;
        label->setObjectName(QStringLiteral("ValueTotal%1").arg(i + 1));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFixedWidth(kValueWidth);
        m_valueTotals << label;
    }

    QPushButton *graph = button(QStringLiteral("BitBtn1"), tr("&Graph"), tr("Display Graph"));
    QPushButton *print = button(QStringLiteral("BitBtn2"), tr("&Print"), tr("Print Summary"));
    QPushButton *close = button(QStringLiteral("OKBtn"), tr("&Close"), tr("Close Summary Window"));
    QPushButton *help = button(QStringLiteral("HelpBtn"), tr("&Help"), QString());

    auto *top = new QHBoxLayout;
    top->addWidget(fieldLabel);
    top->addWidget(m_field, 1);
    top->addWidget(sortBox);
    top->addWidget(m_values);
    auto *totals = new QHBoxLayout;
    totals->setSpacing(0);
    totals->addWidget(m_totalLabel);
    totals->addWidget(m_total);
    totals->addSpacing(kPercentWidth);
    for (QLabel *label : m_valueTotals)
        totals->addWidget(label);
    totals->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : { graph, print, close, help })
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    connect(m_field, &QComboBox::currentIndexChanged, this, &TSummaryDlg::ComboBox1Change);
    connect(m_sortBy, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.setOrder(SummaryOrder(id));
        showSummary();
    });
    connect(m_values, &QCheckBox::toggled, this, [this](bool on) {
        m_model.setValuesShown(on);
        showSummary();
        keepOnScreen();
    });
    connect(graph, &QPushButton::clicked, this, &TSummaryDlg::BitBtn1Click);
    connect(print, &QPushButton::clicked, this, &TSummaryDlg::BitBtn2Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(SummaryDialogModel::kHelpContext); });

    showSummary();
}

void TSummaryDlg::keepOnScreen()
{
    adjustSize();
    const QScreen *screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.right() > room.right())
        move(std::max(room.left(), frame.left() - (frame.right() - room.right())), frame.top());
}

void TSummaryDlg::layOutColumns()
{
    const int columns = m_model.columnCount();
    m_grid->setColumnCount(columns);
    int width = kKeyWidth + kCountWidth + kPercentWidth + kGridSpare;
    if (m_model.valuesShown())
        width += SummaryDialogModel::kValueColumns * kValueWidth;
    m_grid->setFixedWidth(width);
    int others = kCountWidth + kPercentWidth;
    m_grid->setColumnWidth(1, kCountWidth);
    m_grid->setColumnWidth(2, kPercentWidth);
    for (int c = SummaryDialogModel::kCountColumns; c < columns; ++c) {
        m_grid->setColumnWidth(c, kValueWidth);
        others += kValueWidth;
    }
    m_grid->setColumnWidth(0, width - others - kGridSpare);
    m_totalLabel->setFixedWidth(m_grid->columnWidth(0));
}

void TSummaryDlg::showSummary()
{
    layOutColumns();
    m_grid->setHorizontalHeaderLabels(m_model.headers());
    // The grid's rows after its header; it never shrinks.
    m_grid->setRowCount(m_model.gridRowCount(m_grid->rowCount() + 1) - 1);
    const SummaryList &list = m_model.list();
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const QStringList cells = r < list.size() ? m_model.row(r) : QStringList();
        for (int c = 0; c < m_grid->columnCount(); ++c) {
            auto *item = new QTableWidgetItem(cells.value(c));
            item->setTextAlignment(
                c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, item);
        }
    }
    m_total->setText(m_model.totalText());
    const QStringList valueTotals = m_model.valueTotals();
    for (int i = 0; i < m_valueTotals.size(); ++i) {
        m_valueTotals[i]->setText(valueTotals.value(i));
        m_valueTotals[i]->setVisible(m_model.valuesShown());
    }
}

void TSummaryDlg::ComboBox1Change(int index)
{
    {
        WaitCursor wait;
        m_model.count(index, m_folder, m_fileName, m_scope);
    }
    showSummary();
}

void TSummaryDlg::BitBtn1Click()
{
    if (!m_model.checkNotEmpty())
        return;
    TPieGraphDlg graph(m_model.list().keys(), m_model.list().countTexts(),
        SummaryDialogModel::titleFor(m_model.chosenCaption()), this);
    graph.exec();
}

void TSummaryDlg::BitBtn2Click()
{
    if (!m_model.checkNotEmpty())
        return;
    if (printSummary)
        printSummary(m_model);
}

} // namespace zendrova
