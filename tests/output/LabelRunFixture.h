#pragma once

#include "support/ScriptedInteraction.h"

#include "common/CaptionList.h"
#include "common/DateFormatList.h"
#include "dbase/tool/CardGenerator.h"
#include "output/LabelRun.h"
#include "output/LabelStockFile.h"
#include "printengine/PagePainter.h"
#include "printengine/TReportFiler.h"
#include "store/StoreTable.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zendrova::test {

// Caption-list indexes of the built-in captions used here.
constexpr int kCardName = 0;
constexpr int kTeam = 4;
constexpr int kYear = 6;

// One printed text with its extent on the paper, inches.
struct PlacedText
{
    QString text;
    QRectF box;
};

// One label outline of a page and the texts inside it.
struct PlacedLabel
{
    QRectF outline;
    QStringList texts;
};

// Generated cards in a table of their own, and a label definition on a stock sheet.
class LabelRunFixture : public ::testing::Test
{
protected:
    // A fresh table of that many cards (each call in a folder of its own).
    void generate(uint32_t cards)
    {
        const QString where = folder.filePath(QString::number(++m_tables));
        dbase::cardgen::generateCardDatabase(where.toStdString(), cards, 3, ZENDROVA_BIN_DIR);
        table.close();
        table.setFolder(where);
        table.setFileName(QStringLiteral("data.dbf"));
        table.open();
        table.first();
    }

    // The definition on a shipped stock, with its geometry as the dialog reads it.
    static TLabelRec onStock(const QString &file, const QString &stock)
    {
        TLabelRec label;
        label.LabelType = file == LabelStockFile::kEurope ? TLabelRec::AveryEurope
                                                          : TLabelRec::AveryNorthAmerica;
        label.Units = file == LabelStockFile::kEurope ? 1 : 0;
        label.StockName = stock;
        const auto sheet
            = LabelStockFile::readStock(QStringLiteral(ZENDROVA_BIN_DIR "/") + file, stock);
        EXPECT_TRUE(sheet) << stock.toStdString();
        if (sheet) {
            label.Shape = sheet->shape;
            label.Orientation = sheet->orientation;
            label.LabelWidth = sheet->width;
            label.LabelHeight = sheet->height;
            label.PitchWidth = sheet->pitchWidth;
            label.PitchHeight = sheet->pitchHeight;
            label.SheetLeft = sheet->sheetLeft;
            label.SheetTop = sheet->sheetTop;
            label.Across = sheet->across;
            label.Down = sheet->down;
        }
        if (label.Units == 1) {
            label.PaperSize = TLabelRec::A4;
            for (QString *margin :
                { &label.BodyLeft, &label.BodyTop, &label.HeaderLeft, &label.HeaderTop })
                *margin = QString::number(margin->toDouble() * 2.54);
        }
        // "Card Name:" with "Year:" in the same line, then "Team:".
        label.Lines
            = LabelLines::encode({ { kCardName, false }, { kYear, true }, { kTeam, false } });
        return label;
    }

    std::unique_ptr<LabelRun> runOf(const TLabelRec &label)
    {
        auto run
            = std::make_unique<LabelRun>(label, table, CaptionList::builtInCaptions(), dateFormats);
        return run;
    }

    // The run's pages in a page stream held in memory.
    print::PageStream render(LabelRun &run)
    {
        print::TReportFiler filer;
        filer.StreamMode = print::smMemory;
        filer.OnBeforePrint = [&] { run.setUp(filer); };
        filer.OnPrint = [&] { run.print(filer); };
        EXPECT_TRUE(filer.RunJob());
        return filer.Stream();
    }

    static QList<PlacedText> textsOf(const print::Page &page)
    {
        QList<PlacedText> texts;
        for (const print::PageOp &op : page.ops) {
            if (const auto *text = std::get_if<print::PageText>(&op)) {
                const QFontMetricsF metrics(print::pageFont(text->font));
                const double k = print::kDecipointsPerInch;
                texts.append({ text->text,
                    QRectF(text->x, text->y - metrics.ascent() / k,
                        metrics.horizontalAdvance(text->text) / k,
                        (metrics.ascent() + metrics.descent()) / k) });
            }
        }
        return texts;
    }

    static QList<QRectF> outlinesOf(const print::Page &page)
    {
        QList<QRectF> outlines;
        for (const print::PageOp &op : page.ops)
            if (const auto *shape = std::get_if<print::PageShape>(&op))
                outlines.append(
                    QRectF(QPointF(shape->left, shape->top), QPointF(shape->right, shape->bottom)));
        return outlines;
    }

    // The page's labels in visiting order, each with the texts whose whole
    // extent lies inside its outline; texts inside no outline are returned in stray.
    static QList<PlacedLabel> labelsOf(const print::Page &page, QStringList *stray = nullptr)
    {
        QList<PlacedLabel> labels;
        for (const QRectF &outline : outlinesOf(page))
            labels.append({ outline, {} });
        for (const PlacedText &text : textsOf(page)) {
            bool placed = false;
            for (PlacedLabel &label : labels) {
                if (label.outline.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(text.box)) {
                    label.texts.append(text.text);
                    placed = true;
                    break;
                }
            }
            if (!placed && stray)
                stray->append(text.text);
        }
        return labels;
    }

    // Card name and year of the record at list position n, as a label line shows them.
    QString nameLine(int n)
    {
        table.gotoRecord(n);
        return table.text(kCardName + 2).trimmed() + QLatin1Char(' ')
            + table.text(kYear + 2).trimmed();
    }

    QTemporaryDir folder;
    int m_tables = 0;
    StoreTable table;
    DateFormatList dateFormats;
    ScriptedInteraction user;
};

} // namespace zendrova::test
