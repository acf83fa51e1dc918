#include "support/ScriptedInteraction.h"

#include "common/CaptionList.h"
#include "output/ReportDialogModel.h"
#include "output/ReportNumbers.h"
#include "output/TReportRec.h"

#include <gtest/gtest.h>

using namespace zendrova;

namespace {

// The card table's kinds in caption order.
std::vector<FieldKind> cardKinds()
{
    using K = FieldKind;
    return { K::Text, K::Text, K::Text, K::Text, K::Text, K::Text, K::Text, K::Numeric,
        K::Picture, K::Numeric, K::Numeric, K::Numeric, K::Text, K::Text, K::Text, K::Text,
        K::Text, K::Date, K::Numeric, K::Memo, K::Picture };
}

class ReportDialogModelTest : public ::testing::Test
{
protected:
    ReportDialogModel model(bool oneRecord = false)
    {
        return ReportDialogModel(CaptionList::builtInCaptions(), cardKinds(), m_current, oneRecord);
    }

    TReportRec m_current;
};

TEST_F(ReportDialogModelTest, CaptionAndStyleTexts)
{
    EXPECT_EQ(model().caption(), "Print Report");
    EXPECT_EQ(model(true).caption(), "Print Report - One Record");
    EXPECT_EQ(ReportDialogModel::styleText(0), "Regular");
    EXPECT_EQ(ReportDialogModel::styleText(FontRecord::Bold | FontRecord::StrikeOut), "Bold Strikeout");
    EXPECT_EQ(ReportDialogModel::styleText(FontRecord::Italic | FontRecord::Underline),
        "Italic Underline ");
}

TEST_F(ReportDialogModelTest, IncludeUsesDefaultWidthsAndNeverTwice)
{
    auto m = model();
    EXPECT_FALSE(m.buttons().print);
    EXPECT_EQ(m.widthText(), "");
    struct Case
    {
        int caption;
        int inches, cm;
    } cases[] = { { 0, 200, 508 }, { 7, 150, 381 }, { 8, 400, 1016 }, { 17, 100, 254 },
        { 19, 300, 762 } };
    for (const bool cm : { false, true }) {
        m.excludeAll();
        if (cm)
            m.setUnits(TReportRec::Centimetres);
        for (const Case &c : cases) {
            m.selectAll(c.caption);
            m.include();
            EXPECT_EQ(m.included().back().width, cm ? c.cm : c.inches) << c.caption;
            EXPECT_EQ(m.allSelected(), c.caption + 1);
        }
    }
    // The same field again changes nothing.
    m.selectAll(0);
    m.include();
    EXPECT_EQ(m.included().size(), std::size(cases));
    EXPECT_EQ(m.includedSelected(), 4);
    EXPECT_TRUE(m.buttons().print && m.buttons().save && m.buttons().moveDown);
}

TEST_F(ReportDialogModelTest, ExcludeAndMoveKeepWidthsAndSelection)
{
    auto m = model();
    for (int i : { 0, 1, 2 }) {
        m.selectAll(i);
        m.include();
    }
    m.selectIncluded(0);
    m.typeWidth("1.25");
    m.moveUp();
    EXPECT_EQ(m.includedSelected(), 0);
    m.moveDown();
    EXPECT_EQ(m.includedSelected(), 1);
    EXPECT_EQ(m.included()[1].caption, "Card Name:");
    EXPECT_EQ(m.included()[1].width, 125);
    m.selectIncluded(2);
    m.moveDown();
    EXPECT_EQ(m.includedSelected(), 2);
    m.exclude();
    EXPECT_EQ(m.includedSelected(), 1);
    EXPECT_EQ(m.widthText(), "1.25");
    m.selectIncluded(0);
    m.exclude();
    EXPECT_EQ(m.includedSelected(), 0);
    EXPECT_EQ(m.included()[0].caption, "Card Name:");
    m.excludeAll();
    EXPECT_EQ(m.widthText(), "");
    EXPECT_FALSE(m.buttons().exclude);
    m.includeAll();
    EXPECT_EQ(m.included().size(), 21u);
    EXPECT_EQ(m.includedSelected(), 0);
}

TEST_F(ReportDialogModelTest, WidthBoxCutsToTwoDecimals)
{
    auto m = model();
    m.selectAll(0);
    m.include();
    EXPECT_EQ(m.widthText(), "2");
    EXPECT_EQ(m.typeWidth("2.345"), "2.34");
    EXPECT_EQ(m.included()[0].width, 234);
    EXPECT_EQ(m.typeWidth("abc"), "abc");
    EXPECT_EQ(m.included()[0].width, 0);

    // In the rows layout typing changes nothing and the box shows "not used".
    m.typeWidth("3");
    m.setLayout(1);
    EXPECT_EQ(m.widthText(), "not used");
    EXPECT_FALSE(m.widthEnabled());
    m.typeWidth("9");
    EXPECT_EQ(m.included()[0].width, 300);
}

TEST_F(ReportDialogModelTest, NumberBoxesTakeDigitsSeparatorBackspaceAndTab)
{
    for (const QChar key : { QChar('0'), QChar('9'), QChar('.'), QChar(8), QChar(9) })
        EXPECT_TRUE(numberBoxAccepts(key)) << int(key.unicode());
    for (const QChar key : { QChar(','), QChar('-'), QChar('e'), QChar(' ') })
        EXPECT_FALSE(numberBoxAccepts(key)) << int(key.unicode());
    EXPECT_EQ(readReportNumber("1,234.5"), 1234.5);
    EXPECT_EQ(readReportNumber("x"), 0.0);
}

TEST_F(ReportDialogModelTest, UnitsRoundTripOnLetterIsExact)
{
    auto m = model();
    m.selectAll(7);
    m.include();
    m.typeWidth("1.5");
    m.marginLeft = "1";
    m.marginTop = "0.5";
    m.setUnits(TReportRec::Centimetres);
    EXPECT_EQ(m.pageWidth, "21.59");
    EXPECT_EQ(m.pageHeight, "27.94");
    EXPECT_EQ(m.marginLeft, "2.54");
    EXPECT_EQ(m.marginTop, "1.27");
    EXPECT_EQ(m.widthText(), "3.81");
    m.setUnits(TReportRec::Inches);
    EXPECT_EQ(m.pageWidth, "8.5");
    EXPECT_EQ(m.pageHeight, "11");
    EXPECT_EQ(m.marginLeft, "1");
    EXPECT_EQ(m.marginTop, "0.5");
    EXPECT_EQ(m.widthText(), "1.5");
    EXPECT_EQ(m.included()[0].width, 150);
}

TEST_F(ReportDialogModelTest, PaperSizesInBothUnits)
{
    auto m = model();
    struct Case
    {
        int size;
        const char *inW, *inH, *cmW, *cmH;
    } cases[] = {
        { TReportRec::Letter, "8.5", "11", "21.59", "27.94" },
        { TReportRec::Legal, "8.5", "14", "21.59", "35.56" },
        { TReportRec::A4, "8.26771653543307", "11.6929133858268", "21", "29.7" },
        { TReportRec::Envelope10, "9.5", "4.125", "24.13", "10.4775" },
    };
    for (const Case &c : cases) {
        m.setUnits(TReportRec::Inches);
        m.setPaperSize(c.size);
        EXPECT_EQ(m.pageWidth, c.inW) << c.size;
        EXPECT_EQ(m.pageHeight, c.inH) << c.size;
        EXPECT_FALSE(m.pageSizeEditable());
        m.setUnits(TReportRec::Centimetres);
        EXPECT_EQ(m.pageWidth, c.cmW) << c.size;
        EXPECT_EQ(m.pageHeight, c.cmH) << c.size;
        m.setPaperSize(c.size);
        EXPECT_EQ(m.pageWidth, c.cmW) << c.size;
    }
    // Custom keeps what the boxes hold.
    m.pageWidth = "5";
    m.setPaperSize(TReportRec::Custom);
    EXPECT_TRUE(m.pageSizeEditable());
    EXPECT_EQ(m.pageWidth, "5");
}

TEST_F(ReportDialogModelTest, MarginChecks)
{
    auto m = model();
    struct Case
    {
        const char *what;
        int size, orientation;
        const char *w, *h, *left, *right, *top, *bottom;
        const char *message;
    } cases[] = {
        { "letter, 6.5 and 9 left", TReportRec::Letter, 0, "", "", "1", "1", "1", "1", nullptr },
        { "0.9 left", TReportRec::Letter, 0, "", "", "4", "3.6", "1", "1",
            "Left/Right Margins too large or Page Width too small!" },
        { "exactly 1 left", TReportRec::Letter, 0, "", "", "4", "3.5", "5", "5", nullptr },
        { "height too small", TReportRec::Letter, 0, "", "", "1", "1", "5", "5.5",
            "Top/Bottom Margins too large or Page Heiht too small!" },
        { "landscape 14 x 8.5 tested as 8.5 wide", TReportRec::Custom, 1, "14", "8.5", "4", "3.6",
            "1", "1", "Left/Right Margins too large or Page Width too small!" },
        { "landscape height is the width box", TReportRec::Custom, 1, "14", "8.5", "3", "3", "6",
            "6", nullptr },
        { "text that is no number", TReportRec::Custom, 0, "wide", "11", "1", "1", "1", "1",
            "Left/Right Margins too large or Page Width too small!" },
    };
    for (const Case &c : cases) {
        m.setPaperSize(c.size);
        if (c.size == TReportRec::Custom) {
            m.pageWidth = c.w;
            m.pageHeight = c.h;
        }
        m.orientation = c.orientation;
        m.marginLeft = c.left;
        m.marginRight = c.right;
        m.marginTop = c.top;
        m.marginBottom = c.bottom;
        EXPECT_EQ(m.marginProblem().value_or(QString()), c.message ? QString(c.message) : QString())
            << c.what;
    }
}

TEST_F(ReportDialogModelTest, LayoutGovernsGridAndTotalsVisibility)
{
    m_current.Grid = 1;
    auto m = model();
    // A stored "Don't Print Grid" survives opening the dialog in the columns layout.
    EXPECT_EQ(m.grid, 1);
    EXPECT_TRUE(m.totalsVisible());
    m.setTotals(1);
    EXPECT_EQ(m.grid, 1);
    m.setLayout(1);
    EXPECT_EQ(m.grid, 1);
    EXPECT_FALSE(m.gridEnabled());
    m.setLayout(0);
    EXPECT_EQ(m.grid, 0);
    EXPECT_TRUE(m.gridEnabled());

    std::vector<FieldKind> noNumbers(21, FieldKind::Text);
    TReportRec other;
    EXPECT_FALSE(ReportDialogModel(CaptionList::builtInCaptions(), noNumbers, other, false)
                     .totalsVisible());
}

TEST_F(ReportDialogModelTest, WritesBackAndBuildsTheRunInInches)
{
    m_current.addColumn(0, 508);
    m_current.addColumn(20, 1016);
    m_current.addColumn(40, 100); // no such caption: dropped
    m_current.Units = TReportRec::Centimetres;
    m_current.PaperSize = TReportRec::A4;
    m_current.MarginLeft = "2.54";
    m_current.Title = QString(40, 'T');
    m_current.Orientation = 1;
    auto m = model(true);
    EXPECT_EQ(m.pageWidth, "21");
    ASSERT_EQ(m.included().size(), 2u);
    EXPECT_EQ(m.widthText(), "5.08");
    m.labels = 1;
    m.setLayout(1);
    m.selectIncluded(1);
    m.moveUp();

    const ReportSetup setup = m.runSetup(ReportSetup::Destination::Printer);
    EXPECT_EQ(setup.title, QString(31, 'T'));
    EXPECT_DOUBLE_EQ(setup.marginLeft, 1.0);
    EXPECT_NEAR(setup.pageWidth, 8.26771653543307, 1e-12);
    EXPECT_TRUE(setup.landscape);
    EXPECT_EQ(setup.paperCode, ReportSetup::PaperA4);
    EXPECT_FALSE(setup.fieldNames);
    EXPECT_TRUE(setup.rowsLayout);
    EXPECT_FALSE(setup.grid);
    EXPECT_TRUE(setup.centimetres);
    EXPECT_TRUE(setup.oneRecord);
    ASSERT_EQ(setup.columns.size(), 2u);
    EXPECT_EQ(setup.columns[0], (ReportColumn{ 20, 1016 }));
    EXPECT_EQ(m_current.columns(), setup.columns);

    m.title = "Short";
    m.writeToDefinition();
    EXPECT_EQ(m_current.Title, "Short");
    EXPECT_EQ(m_current.FieldNames, 1);
    EXPECT_EQ(m_current.Layout, 1);
    EXPECT_EQ(m_current.Grid, 1);
    EXPECT_EQ(m_current.Reserved, "20");
}

} // namespace
