#include "PageProbe.h"
#include "support/ScriptedInteraction.h"

#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;
using test::kTolerance;
using test::MemoryFiler;
using test::opsOf;

namespace {

QString numberedWords(int count)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << QStringLiteral("word%1").arg(i);
    return words.join(' ');
}

QStringList wordsOf(const QList<Page> &pages)
{
    QStringList words;
    for (const Page &page : pages)
        for (const PageText &text : opsOf<PageText>(page))
            words << text.text.split(' ', Qt::SkipEmptyParts);
    return words;
}

TEST(Memo, WrapsIntoItsBandLineByLine)
{
    MemoryFiler engine;
    TMemoBuf memo;
    int counted = 0;
    double height = 0, firstBaseline = 0;
    const auto pages = engine.produce([&] {
        height = engine.OneLineHeight();
        firstBaseline = engine.CursorY();
        engine.LoadMemoField(memo, numberedWords(40));
        memo.PrintStart = 1.0;
        memo.PrintEnd = 2.5;
        counted = engine.CountMemoLines(memo);
        engine.EmitMemo(memo, 0, false);
        EXPECT_TRUE(memo.Empty());
        EXPECT_NEAR(engine.CursorY(), firstBaseline + counted * height, kTolerance);
    });
    const QList<PageText> lines = opsOf<PageText>(pages.first());
    ASSERT_EQ(lines.size(), counted);
    EXPECT_GT(counted, 5);
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(lines[i].x, 1.0, kTolerance);
        EXPECT_NEAR(lines[i].y, firstBaseline + i * height, kTolerance);
        EXPECT_LE(engine.MeasureText(lines[i].text), 1.5 + kTolerance)
            << lines[i].text.toStdString();
    }
    EXPECT_EQ(wordsOf(pages).join(' '), numberedWords(40)) << "every word once, in order";
}

TEST(Memo, KeepsLineBreaksAndCutsWordsWiderThanTheBand)
{
    MemoryFiler engine;
    TMemoBuf memo;
    const QString longWord(60, QLatin1Char('m'));
    int breaks = 0, cut = 0;
    QList<Page> pages = engine.produce([&] {
        engine.LoadMemoField(memo, "one\r\ntwo\n\nfour\rfive\r\n");
        memo.PrintStart = 0.5;
        memo.PrintEnd = 6.0;
        breaks = engine.CountMemoLines(memo);
        engine.EmitMemo(memo, 0, false);
        engine.LoadMemoField(memo, longWord);
        memo.PrintEnd = 1.0;
        cut = engine.CountMemoLines(memo);
        engine.EmitMemo(memo, 0, false);
    });
    EXPECT_EQ(breaks, 5) << "the empty line counts; the final break does not start a line";
    const QList<PageText> texts = opsOf<PageText>(pages.first());
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts[0].text, "one");
    EXPECT_EQ(texts[2].text, "four");
    EXPECT_NEAR(texts[2].y - texts[1].y, 2 * engine.OneLineHeight(), kTolerance);
    EXPECT_EQ(texts[3].text, "five");
    QString pieces;
    for (qsizetype i = 4; i < texts.size(); ++i) {
        pieces += texts[i].text;
        EXPECT_LE(engine.MeasureText(texts[i].text), 0.5 + kTolerance);
    }
    EXPECT_EQ(pieces, longWord);
    EXPECT_EQ(texts.size() - 4, cut);
    EXPECT_GT(cut, 1);
}

TEST(Memo, ResumesOnTheNextPageWhereItStopped)
{
    MemoryFiler engine;
    TMemoBuf memo;
    memo.SetText(numberedWords(300));
    memo.PrintStart = 1.0;
    memo.PrintEnd = 2.0;
    engine.MarginBottom = 8.0; // a short band: a few lines a page
    QList<double> firstBaselines;
    QList<int> roomPerPage;
    engine.OnPrintPage = [&](int) {
        firstBaselines << engine.CursorY();
        roomPerPage << engine.RoomInLines();
        engine.EmitMemo(memo, engine.RoomInLines(), false);
        return !memo.Empty();
    };
    ASSERT_TRUE(engine.RunJob());
    const QList<Page> pages = engine.Stream().pages;
    ASSERT_GE(pages.size(), 3);
    EXPECT_EQ(wordsOf(pages).join(' '), numberedWords(300));
    for (int p = 0; p < pages.size(); ++p) {
        const QList<PageText> lines = opsOf<PageText>(pages[p]);
        EXPECT_NEAR(lines.first().y, firstBaselines[p], kTolerance);
        if (p + 1 < pages.size()) {
            EXPECT_EQ(lines.size(), roomPerPage[p]) << "a full page";
        }
        for (const PageText &line : lines)
            EXPECT_LE(line.y, 11.0 - 8.0 + kTolerance) << "below the band bottom on page " << p + 1;
    }
}

TEST(Memo, SeekClampsAndBoxedLinesGetTheStopsSides)
{
    MemoryFiler engine;
    TMemoBuf memo;
    const auto pages = engine.produce([&] {
        engine.LoadMemoField(memo, "alpha beta gamma");
        engine.SeekMemo(memo, 9999);
        EXPECT_EQ(memo.Pos(), memo.Size());
        engine.SeekMemo(memo, -3);
        EXPECT_EQ(memo.Pos(), 0);
        engine.SeekMemo(memo, 6);
        engine.AddStop(pjLeft, BOXLINELEFT | BOXLINERIGHT, 0, 4, 2.0, 1.0);
        engine.EmitText("\t");
        memo.PrintStart = engine.StopTextLeft(1);
        memo.PrintEnd = engine.StopTextRight(1);
        engine.EmitMemo(memo, 0, true);
    });
    const QList<PageText> texts = opsOf<PageText>(pages.first());
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts.first().text, "beta gamma");
    // The tab's own cell sides, then the memo line's.
    const QList<PageLine> lines = opsOf<PageLine>(pages.first());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_NEAR(lines[2].x1, 1.0, kTolerance);
    EXPECT_NEAR(lines[3].x1, 3.0, kTolerance);
}

TEST(Memo, EndsItsLinesLikeEndLine)
{
    // A row whose last cell is a memo: the next row's first tab goes to the first stop again.
    MemoryFiler engine;
    TMemoBuf memo;
    double afterMemo = 0;
    const auto pages = engine.produce([&] {
        engine.AddStop(pjLeft, 0, 0, 0, 2.0, 1.0);
        engine.AddStop(pjLeft, 0, 0, 0, 2.0, kAfterPreviousStop);
        engine.EmitText("\tfirst\t");
        memo.SetText("note");
        memo.PrintStart = engine.StopTextLeft(2);
        memo.PrintEnd = engine.StopTextRight(2);
        engine.EmitMemo(memo, 0, false);
        afterMemo = engine.CursorY();
        engine.EmitText("\tsecond");
    });
    const PageText second = test::textNamed(pages.first(), "second");
    EXPECT_NEAR(second.x, 1.0, kTolerance);
    EXPECT_NEAR(second.y, afterMemo, kTolerance);
}

TEST(Memo, ABandWithoutWidthStopsTheRun)
{
    test::ScriptedInteraction user;
    user.expectMessage(MessageKind::Error,
        "TMemoBuf.PrintEnd must be greater than TMemoBuf.PrintStart", MessageButtons::Ok,
        test::kNoHelp);
    MemoryFiler engine;
    TMemoBuf memo;
    bool after = false;
    engine.OnAfterPrint = [&] { after = true; };
    engine.OnPrint = [&] {
        memo.SetText("text");
        memo.PrintStart = memo.PrintEnd = 2.0;
        engine.EmitMemo(memo, 0, false);
        ADD_FAILURE() << "the run went on";
    };
    EXPECT_FALSE(engine.RunJob());
    EXPECT_TRUE(after) << "the after-print hook still runs";
    EXPECT_TRUE(user.allConsumed());
}

} // namespace
