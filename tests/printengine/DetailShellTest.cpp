#include "PageProbe.h"
#include "printengine/TDetailShell.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace zendrova;
using namespace zendrova::print;

namespace {

// Rows of one line; a new page when no line is left, as the summary prints them.
TEST(DetailShell, TellsEachRowWhetherItIsTheFirstOnItsPage)
{
    test::MemoryFiler engine;
    engine.MarginBottom = 11.0 - 0.5 - 1.0; // a one-inch band
    TDetailShell shell;
    QStringList calls;
    int row = 0;
    shell.OnBodyBefore = [&](TBaseReport &) { calls << "body"; };
    shell.OnRowPrint = [&](TBaseReport &e, bool first) {
        if (first)
            e.EmitLine("heading");
        e.EmitLine(QStringLiteral("row %1").arg(++row));
        calls << QStringLiteral("%1%2").arg(row).arg(first ? "*" : "");
    };
    shell.OnRowAfter = [&](TBaseReport &e) {
        if (e.RoomInLines() == 0)
            e.StartNextPage();
        return row < 12;
    };
    engine.OnPrint = [&] { shell.RunJob(engine); };
    ASSERT_TRUE(engine.RunJob());
    const QList<Page> pages = engine.Stream().pages;
    ASSERT_GE(pages.size(), 2);
    int rows = 0;
    for (const Page &page : pages) {
        const QStringList texts = test::textsOf(page);
        EXPECT_EQ(texts.first(), "heading") << "page " << page.number;
        EXPECT_EQ(texts.count("heading"), 1);
        rows += texts.size() - 1;
    }
    EXPECT_EQ(rows, 12);
    EXPECT_EQ(calls.first(), "body");
    EXPECT_EQ(calls.at(1), "1*");
    EXPECT_EQ(calls.filter(QRegularExpression("\\*$")).size(), pages.size());
}

} // namespace
