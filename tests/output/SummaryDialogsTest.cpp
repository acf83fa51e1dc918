#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"
#include "support/WidgetLookup.h"

#include "common/CaptionList.h"
#include "output/ui/GraphChart.h"
#include "output/ui/TPieGraphDlg.h"
#include "output/ui/TSummaryDlg.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

constexpr int kTeam = 6;

const QString kEmptyText
    = QStringLiteral("List Empty!\rYou have to select the field from Summary By list first.");

class SummaryDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DatabaseFixture::expectNewDatabase(user);
        ASSERT_TRUE(store.openDatabase());
        // Three Cubs (one spelt in capitals), two Reds, six Mets; one Met fails the filter.
        const std::pair<const char *, const char *> cards[] = { { "Cubs", "2" }, { "Reds", "2" },
            { "CUBS", "2" }, { "Mets", "2" }, { "Mets", "2" }, { "Reds", "2" }, { "Mets", "0" },
            { "Mets", "2" }, { "Cubs", "2" }, { "Mets", "2" }, { "Mets", "2" } };
        for (const auto &[team, mark] : cards) {
            RecordEditor editor(store.recordTable());
            editor.append();
            editor.setText(kTeam, QString::fromLatin1(team));
            editor.setText(FieldModel::kFilterMarkPosition, QString::fromLatin1(mark));
            editor.post();
        }
    }

    QStringList column(QTableWidget *grid, int c, int rows)
    {
        QStringList texts;
        for (int r = 0; r < rows; ++r)
            texts << grid->item(r, c)->text();
        return texts;
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

TEST_F(SummaryDialogTest, ChoosingAFieldCountsItAndSortByValueReordersTheGrid)
{
    TSummaryDlg dialog(CaptionList::builtInCaptions(), store.recordTable(),
        FilterScope::NormalFilter);
    dialog.show();
    auto *grid = child<QTableWidget>(dialog, "StringGrid1");
    auto *combo = child<QComboBox>(dialog, "ComboBox1");
    ASSERT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Count"));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("   %"));
    EXPECT_EQ(grid->columnWidth(0), 328);
    const int emptyRows = grid->rowCount();

    // Nothing chosen: Graph and Print both say so.
    for (const char *name : { "BitBtn1", "BitBtn2" }) {
        user.expectMessage(MessageKind::Information, kEmptyText, MessageButtons::Ok, kNoHelp);
        QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton);
    }

    combo->setCurrentIndex(combo->findText(QStringLiteral("Team:")));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Team:"));
    EXPECT_EQ(column(grid, 0, 4), QStringList({ "Cubs", "Mets", "Reds", "" }));
    EXPECT_EQ(column(grid, 1, 3), QStringList({ "3", "5", "2" }));
    EXPECT_EQ(column(grid, 2, 3), QStringList({ "30.0", "50.0", "20.0" }));
    EXPECT_EQ(grid->item(0, 1)->textAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(child<QLabel>(dialog, "Label3")->text(), QStringLiteral("10"));
    EXPECT_EQ(grid->rowCount(), emptyRows) << "the grid keeps its rows";

    auto *sortBy = child<QWidget>(dialog, "SortBy");
    QTest::mouseClick(sortBy->findChildren<QRadioButton *>().at(1), Qt::LeftButton);
    EXPECT_EQ(column(grid, 0, 3), QStringList({ "Mets", "Cubs", "Reds" }));

    QTest::mouseClick(child<QCheckBox>(dialog, "ShowValues"), Qt::LeftButton);
    ASSERT_EQ(grid->columnCount(), 6);
    EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), QStringLiteral("Gain/Loss"));
    EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("0.00"));
    EXPECT_EQ(child<QLabel>(dialog, "ValueTotal3")->text(), QStringLiteral("0.00"));
    EXPECT_FALSE(child<QLabel>(dialog, "ValueTotal3")->isHidden());
    EXPECT_EQ(grid->columnWidth(0), 328);

    // Print hands the counted summary to the page run the window installs.
    QStringList printed;
    dialog.printSummary = [&](const SummaryDialogModel &model) { printed = model.list().keys(); };
    QTest::mouseClick(child<QPushButton>(dialog, "BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(printed, QStringList({ "Mets", "Cubs", "Reds" }));

    QTest::mouseClick(child<QPushButton>(dialog, "HelpBtn"), Qt::LeftButton);
    EXPECT_EQ(user.helpRequests(), QList<int>({ 115 }));
}

TEST_F(SummaryDialogTest, TheGraphOpensWithTheCountsAndTheSummaryTitle)
{
    TSummaryDlg dialog(CaptionList::builtInCaptions(), store.recordTable(),
        FilterScope::AllRecords);
    auto *combo = child<QComboBox>(dialog, "ComboBox1");
    combo->setCurrentIndex(combo->findText(QStringLiteral("Team:")));
    QStringList shown;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *graph = qobject_cast<TPieGraphDlg *>(topLevel(QStringLiteral("TPieGraphDlg")));
        ASSERT_NE(graph, nullptr);
        title = graph->chart()->chart()->title();
        for (QBarSet *set : graph->chart()->barSeries()->barSets())
            shown << set->label() + QLatin1Char('=') + QString::number(set->sum());
        graph->accept();
    });
    QTest::mouseClick(child<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("Summary By Team:"));
    EXPECT_EQ(shown, QStringList({ "Cubs=3", "Mets=6", "Reds=2" }));
}

QStringList tenKeys()
{
    QStringList keys;
    for (char c = 'A'; c <= 'J'; ++c)
        keys << QString(QLatin1Char(c));
    return keys;
}

class GraphDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { dialog.show(); }
    void TearDown() override { GraphPaging::setHeldItemsPerPage(GraphPaging::kInitialItemsPerPage); }

    ScriptedInteraction user;
    QStringList counts { "50", "30", "10", "5", "1", "1", "1", "1", "1", "0" };
    TPieGraphDlg dialog { tenKeys(), counts, QStringLiteral("Summary By Team:") };
};

TEST_F(GraphDialogTest, ThePieShowsFourSlicesAndOtherWithPercentsInTheLegend)
{
    QTest::mouseClick(child<QWidget>(dialog, "GraphType")->findChildren<QRadioButton *>().at(1),
        Qt::LeftButton);
    QPieSeries *pie = dialog.chart()->pieSeries();
    EXPECT_TRUE(pie->isVisible());
    EXPECT_FALSE(dialog.chart()->barSeries()->isVisible());
    QStringList marks, legend;
    for (QPieSlice *slice : pie->slices())
        marks << slice->label();
    for (QLegendMarker *marker : dialog.chart()->chart()->legend()->markers(pie))
        legend << marker->label();
    EXPECT_EQ(marks, QStringList({ "50", "30", "10", "5", "5" }));
    EXPECT_EQ(legend, QStringList({ "50 % A", "30 % B", "10 % C", "5 % D", "5 % OTHER" }));
    // The pie hides the axis labels choice, the items box and the paging.
    for (const char *name : { "XLabels", "Edit1", "SpeedButton1", "BitBtn1", "BitBtn2" })
        EXPECT_TRUE(child<QWidget>(dialog, name)->isHidden()) << name;
}

TEST_F(GraphDialogTest, UpdateWithAnEmptyBoxPagesOneItemAtATime)
{
    auto *items = child<QLineEdit>(dialog, "Edit1");
    auto *previous = child<QPushButton>(dialog, "BitBtn1");
    auto *next = child<QPushButton>(dialog, "BitBtn2");
    EXPECT_EQ(items->text(), QStringLiteral("10"));
    EXPECT_TRUE(previous->isHidden()) << "ten points fit one page";

    items->clear();
    QTest::keyClicks(items, QStringLiteral("x-"));
    EXPECT_EQ(items->text(), QString()) << "only digits are typed";
    QTest::mouseClick(child<QToolButton>(dialog, "SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(items->text(), QStringLiteral("1"));
    EXPECT_FALSE(previous->isHidden());
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    EXPECT_EQ(dialog.chart()->bottomAxis()->categories(), QStringList({ "A" }));

    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(dialog.chart()->bottomAxis()->categories(), QStringList({ "C" }));
    EXPECT_EQ(dialog.chart()->lineSeries()->count(), 1);
    EXPECT_TRUE(previous->isEnabled());
    // The next graph opens with the number chosen.
    TPieGraphDlg later(tenKeys(), counts, QString());
    EXPECT_EQ(child<QLineEdit>(later, "Edit1")->text(), QStringLiteral("1"));
}

TEST_F(GraphDialogTest, AxisLabelsTurnOrHideAndThreeDShadowsTheChart)
{
    QBarCategoryAxis *axis = dialog.chart()->bottomAxis();
    const QList<QRadioButton *> labels
        = child<QWidget>(dialog, "XLabels")->findChildren<QRadioButton *>();
    EXPECT_TRUE(dialog.chart()->chart()->isDropShadowEnabled());
    QTest::mouseClick(labels.at(1), Qt::LeftButton);
    EXPECT_EQ(std::abs(axis->labelsAngle()), 90);
    QTest::mouseClick(labels.at(2), Qt::LeftButton);
    EXPECT_FALSE(axis->labelsVisible());
    QTest::mouseClick(labels.at(0), Qt::LeftButton);
    EXPECT_TRUE(axis->labelsVisible());
    EXPECT_EQ(axis->labelsAngle(), 0);
    child<QCheckBox>(dialog, "CheckBox1")->click();
    EXPECT_FALSE(dialog.chart()->chart()->isDropShadowEnabled());
}

TEST_F(GraphDialogTest, PrintingDrawsTheChartInsideThePageRectangleOnly)
{
    dialog.resize(600, 400);
    QImage page(1000, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    dialog.renderPage(page, page.size());
    const QRect inside = GraphPoints::printRect(page.size(), dialog.chart()->size());
    ASSERT_EQ(inside.left(), 100);
    int outsideInk = 0, insideInk = 0;
    for (int y = 0; y < page.height(); y += 4)
        for (int x = 0; x < page.width(); x += 4) {
            const bool ink = page.pixel(x, y) != qRgb(255, 255, 255);
            (inside.contains(x, y) ? insideInk : outsideInk) += ink;
        }
    EXPECT_EQ(outsideInk, 0);
    EXPECT_GT(insideInk, 100);
}

TEST_F(GraphDialogTest, SaveWritesThePictureAndAFailureIsTold)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("graph.png"));
    user.expectFileName(file);
    QTest::mouseClick(child<QPushButton>(dialog, "SaveBtn"), Qt::LeftButton);
    const QImage saved(file);
    EXPECT_EQ(saved.size(), dialog.chart()->size());

    const QString nowhere = dir.filePath(QStringLiteral("missing/graph.png"));
    user.expectFileName(nowhere);
    user.expectMessage(MessageKind::Error, QStringLiteral("Could not save the graph as %1.").arg(nowhere),
        MessageButtons::Ok, kNoHelp);
    QTest::mouseClick(child<QPushButton>(dialog, "SaveBtn"), Qt::LeftButton);
}

} // namespace
} // namespace zendrova::test
