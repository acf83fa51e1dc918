#include "LabelRunFixture.h"

#include "output/LabelPrinting.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

using namespace zendrova;
using namespace zendrova::test;

namespace {

// The outline of label (row, column) from the sheet's own numbers, inches.
QRectF expectedOutline(const TLabelRec &label, int row, int column)
{
    const double k = label.Units == 1 ? 1 / 2.54 : 1.0;
    // The sheet driver takes a margin of 0 as 0.0001.
    auto margin
        = [&](const QString &text) { return text.toDouble() == 0 ? 0.0001 / k : text.toDouble(); };
    return QRectF((margin(label.SheetLeft) + (column - 1) * label.PitchWidth.toDouble()) * k,
        (margin(label.SheetTop) + (row - 1) * label.PitchHeight.toDouble()) * k,
        label.LabelWidth.toDouble() * k, label.LabelHeight.toDouble() * k);
}

bool near(const QRectF &a, const QRectF &b)
{
    constexpr double kTolerance = 1e-6;
    return std::abs(a.left() - b.left()) < kTolerance && std::abs(a.top() - b.top()) < kTolerance
        && std::abs(a.width() - b.width()) < kTolerance
        && std::abs(a.height() - b.height()) < kTolerance;
}

} // namespace

// Every label of a run lands on its place of the sheet, one card after the
// other, with all of its text inside its outline; the last sheet keeps its
// unused positions empty.
TEST_F(LabelRunFixture, CardsFillTheSheetsInOrderInsideTheOutlines)
{
    struct Sheet
    {
        QString file;
        QString stock;
        int cards;
        int pages;
    };
    const Sheet sheets[] = {
        { LabelStockFile::kNorthAmerica, "AV 12_294", 50, 2 },
        { LabelStockFile::kEurope, "AV Address 63.5 x 38.1 (21)", 22, 2 },
        { LabelStockFile::kNorthAmerica, "AV Tent Card 4-1/4 x 11 (2)", 3, 2 },
        { LabelStockFile::kEurope, "AV Round 40 mm (24)", 5, 1 },
    };
    for (const Sheet &sheet : sheets) {
        SCOPED_TRACE(sheet.stock.toStdString());
        generate(sheet.cards);
        const TLabelRec label = onStock(sheet.file, sheet.stock);
        const auto run = runOf(label);
        const print::PageStream stream = render(*run);
        ASSERT_EQ(stream.pages.size(), sheet.pages);
        EXPECT_EQ(run->printedCount(), sheet.cards);
        EXPECT_EQ(label.Orientation == 1, stream.pages.first().width > stream.pages.first().height);
        const int across = label.Across.toInt();
        int card = 0;
        for (qsizetype p = 0; p < stream.pages.size(); ++p) {
            QStringList stray;
            const QList<PlacedLabel> labels = labelsOf(stream.pages[p], &stray);
            EXPECT_TRUE(stray.isEmpty())
                << "page " << p + 1 << ": " << stray.join(" | ").toStdString();
            ASSERT_EQ(labels.size(), across * label.Down.toInt());
            for (int i = 0; i < labels.size(); ++i) {
                const std::string where
                    = "page " + std::to_string(p + 1) + " label " + std::to_string(i + 1);
                EXPECT_TRUE(
                    near(labels[i].outline, expectedOutline(label, i / across + 1, i % across + 1)))
                    << where;
                if (card == sheet.cards) {
                    EXPECT_TRUE(labels[i].texts.isEmpty()) << where;
                    continue;
                }
                ASSERT_FALSE(labels[i].texts.isEmpty()) << where;
                // Shortened from the end where the label is too narrow.
                const QString shown = labels[i].texts.first();
                EXPECT_TRUE(nameLine(card).startsWith(shown) && shown.size() > 3)
                    << where << ": " << shown.toStdString();
                if (!sheet.stock.contains("Round")) {
                    EXPECT_EQ(shown, nameLine(card)) << where;
                }
                ++card;
            }
        }
    }
}

TEST_F(LabelRunFixture, FirstLabelLeavesEarlierPositionsEmptyOnPageOneOnly)
{
    generate(30);
    TLabelRec label = onStock(LabelStockFile::kNorthAmerica, "AV 12_294");
    label.FirstLabel = "5";
    const auto run = runOf(label);
    const print::PageStream stream = render(*run);
    ASSERT_EQ(stream.pages.size(), 2);
    const QList<PlacedLabel> first = labelsOf(stream.pages[0]);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(first[i].texts.isEmpty()) << "label " << i + 1;
    EXPECT_EQ(first[4].texts.value(0), nameLine(0));
    EXPECT_EQ(first[29].texts.value(0), nameLine(25));
    const QList<PlacedLabel> second = labelsOf(stream.pages[1]);
    EXPECT_EQ(second[0].texts.value(0), nameLine(26));
    EXPECT_EQ(second[3].texts.value(0), nameLine(29));
    EXPECT_TRUE(second[4].texts.isEmpty());

    // Empty or below 1 means the first position.
    for (const char *first : { "", "0", "-3", "x" }) {
        label.FirstLabel = first;
        const auto again = runOf(label);
        EXPECT_EQ(labelsOf(render(*again).pages[0])[0].texts.value(0), nameLine(0)) << first;
    }
}

TEST_F(LabelRunFixture, OneRecordModePrintsTheCurrentCardAtTheFirstLabelOnly)
{
    generate(20);
    TLabelRec label = onStock(LabelStockFile::kNorthAmerica, "AV 12_294");
    label.FirstLabel = "7";
    const QString current = nameLine(9); // stands on the tenth card
    const auto run = runOf(label);
    run->oneRecord = true;
    bool lifted = false;
    run->onSheetStart = [&] { lifted = true; };
    const print::PageStream stream = render(*run);
    ASSERT_EQ(stream.pages.size(), 1);
    const QList<PlacedLabel> labels = labelsOf(stream.pages[0]);
    for (int i = 0; i < labels.size(); ++i) {
        if (i == 6)
            EXPECT_EQ(labels[i].texts.value(0), current);
        else
            EXPECT_TRUE(labels[i].texts.isEmpty()) << "label " << i + 1;
    }
    EXPECT_EQ(run->printedCount(), 1);
    EXPECT_FALSE(lifted);
    EXPECT_EQ(table.text(kCardName + 2).trimmed() + " " + table.text(kYear + 2).trimmed(), current);
}

// Header lines, the body and the logo each keep to the label: a body top at
// the label's height drops the body, long lines are cut to the width.
TEST_F(LabelRunFixture, HeaderBodyAndLogoOnTheLabel)
{
    generate(1);
    const QString logoFile = folder.filePath("logo.bmp");
    QImage logo(48, 24, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(logoFile, "BMP"));

    TLabelRec label = onStock(LabelStockFile::kNorthAmerica, "AV 12_294");
    label.HeaderText
        = { "Box 7 of the 1990s rookies and stars from every team of both leagues", "Shelf 2" };
    label.LogoFile = logoFile;
    label.LogoLeft = "2";
    label.LogoTop = "0.1";
    struct Case
    {
        const char *bodyTop;
        bool body;
    };
    for (const Case c : { Case { "0.5", true }, Case { "1", false }, Case { "1.5", false } }) {
        SCOPED_TRACE(c.bodyTop);
        label.BodyTop = c.bodyTop;
        const auto run = runOf(label);
        run->screenDotsPerInch = 96;
        const print::Page page = render(*run).pages.value(0);
        QStringList stray;
        const QList<PlacedLabel> labels = labelsOf(page, &stray);
        EXPECT_TRUE(stray.isEmpty()) << stray.join(" | ").toStdString();
        const QStringList texts = labels.value(0).texts;
        ASSERT_GE(texts.size(), 2);
        EXPECT_TRUE(label.HeaderText[0].startsWith(texts[0]));
        EXPECT_LT(texts[0].size(), label.HeaderText[0].size());
        EXPECT_EQ(texts[1], "Shelf 2");
        EXPECT_EQ(texts.contains(nameLine(0)), c.body);
        QList<print::PagePicture> pictures;
        for (const print::PageOp &op : page.ops)
            if (const auto *picture = std::get_if<print::PagePicture>(&op))
                pictures.append(*picture);
        ASSERT_EQ(pictures.size(), 1);
        const QRectF outline = labels[0].outline;
        EXPECT_NEAR(pictures[0].left, outline.left() + 2, 1e-9);
        EXPECT_NEAR(pictures[0].top, outline.top() + 0.1, 1e-9);
        EXPECT_NEAR(pictures[0].right - pictures[0].left, 0.5, 1e-9);
    }
}

TEST_F(LabelRunFixture, ASheetWithoutPositionsIsRefused)
{
    generate(3);
    for (const char *count : { "0", "", "x" }) {
        TLabelRec label = onStock(LabelStockFile::kNorthAmerica, "AV 12_294");
        label.Down = count;
        const auto run = runOf(label);
        user.expectMessage(MessageKind::Warning,
            "There must be at least one label Across and one Down on a page!", MessageButtons::Ok,
            kNoHelp);
        EXPECT_FALSE(printLabels(*run, LabelDestination::Pdf, folder.filePath("none.pdf")));
        EXPECT_FALSE(QFile::exists(folder.filePath("none.pdf")));
    }
}

// Two sheets of 50 cards as a PDF: every card's name and year is in it. The
// pages are also painted with their outlines for a look (ZENDROVA_SHOTS names a folder).
TEST_F(LabelRunFixture, PdfOfTwoSheets)
{
    generate(50);
    const TLabelRec label = onStock(LabelStockFile::kNorthAmerica, "AV 12_294");
    const auto run = runOf(label);
    const QString pdf = folder.filePath("labels.pdf");
    ASSERT_TRUE(printLabels(*run, LabelDestination::Pdf, pdf));
    ASSERT_TRUE(QFile::exists(pdf));

    const QString shots = qEnvironmentVariable("ZENDROVA_SHOTS");
    if (!shots.isEmpty()) {
        const auto again = runOf(label);
        const print::PageStream stream = render(*again);
        for (qsizetype p = 0; p < stream.pages.size(); ++p) {
            QImage image(850, 1100, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            print::PaintOptions options;
            options.dpiX = options.dpiY = 100;
            options.screen = true;
            print::paintPage(painter, stream.pages[p], options);
            painter.end();
            image.save(QStringLiteral("%1/labels-page%2.png").arg(shots).arg(p + 1));
        }
    }

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP()
            << "pdftotext is not installed (poppler-utils); the PDF was written but not read back";
    QProcess tool;
    tool.start(pdftotext, { "-layout", pdf, "-" });
    ASSERT_TRUE(tool.waitForFinished(60000));
    const QString text = QString::fromUtf8(tool.readAllStandardOutput());
    EXPECT_EQ(text.count(QChar('\f')), 2);
    for (int n = 0; n < 50; ++n)
        EXPECT_TRUE(text.contains(nameLine(n))) << nameLine(n).toStdString();
}
