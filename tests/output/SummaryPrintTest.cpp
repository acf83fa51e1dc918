#include "common/CaptionList.h"
#include "output/SummaryDialogModel.h"
#include "output/SummaryPrint.h"
#include "store/FieldModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zendrova::test {
namespace {

using namespace print;

// A model as the dialog holds it after counting the team field.
SummaryDialogModel teams(int groups, bool values)
{
    SummaryDialogModel model(CaptionList::builtInCaptions(), FieldModel());
    SummaryList list;
    for (int g = 0; g < groups; ++g)
        for (int i = 0; i <= g % 3; ++i)
            list.add(QStringLiteral("Team %1").arg(g, 3, 10, QLatin1Char('0')), 1.0, 2.5);
    model.choose(int(model.fieldItems().indexOf(QStringLiteral("Team:"))), list);
    model.setValuesShown(values);
    return model;
}

std::vector<PageText> textsOf(const Page &page)
{
    std::vector<PageText> texts;
    for (const PageOp &op : page.ops)
        if (const auto *text = std::get_if<PageText>(&op))
            texts.push_back(*text);
    return texts;
}

const PageText *find(const std::vector<PageText> &texts, const QString &text)
{
    for (const PageText &t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

PageStream printed(const SummaryDialogModel &model)
{
    SummaryPrint summary(model);
    TReportSystem system;
    system.SystemFiler.StreamMode = smMemory;
    system.SystemFiler.SetPaperInches({ 8.5, 11.0 });
    summary.setUp(system);
    EXPECT_TRUE(system.RunJob());
    EXPECT_EQ(system.SystemFiler.MarginTop, 1.0);
    EXPECT_EQ(system.TitlePreview, QStringLiteral("Report Preview"));
    return system.SystemFiler.Stream();
}

TEST(SummaryPrintTest, TitleHeadingOnEveryPageRowsAndABoldTotal)
{
    const PageStream stream = printed(teams(70, false));
    ASSERT_EQ(stream.pages.size(), 2);
    const std::vector<PageText> first = textsOf(stream.pages.at(0));
    const std::vector<PageText> second = textsOf(stream.pages.at(1));

    const PageText *title = find(first, QStringLiteral("Summary By Team:"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font.size, 14.0);
    EXPECT_EQ(title->font.style, fsBold | fsUnderline);
    EXPECT_EQ(find(second, QStringLiteral("Summary By Team:")), nullptr);

    for (const auto *page : { &first, &second }) {
        for (const char *cell : { "Team:", "Count", "   %" }) {
            const PageText *text = find(*page, QString::fromLatin1(cell));
            ASSERT_NE(text, nullptr) << cell;
            EXPECT_EQ(text->font.style, fsBold | fsItalic) << cell;
            EXPECT_EQ(text->font.size, 10.0);
        }
    }
    // Every group once, in order, over both pages; the headings come first on each page.
    QStringList keys;
    for (const auto *page : { &first, &second })
        for (const PageText &text : *page)
            if (text.text.startsWith(QStringLiteral("Team ")))
                keys << text.text;
    ASSERT_EQ(keys.size(), 70);
    EXPECT_EQ(keys.front(), QStringLiteral("Team 000"));
    EXPECT_EQ(keys.back(), QStringLiteral("Team 069"));
    EXPECT_LT(find(second, QStringLiteral("Team:"))->y, second.at(1).y + 0.01);

    // The key cell is 5 inches wide from 1 inch; the counts sit right in their cells.
    const PageText *key = find(first, QStringLiteral("Team 000"));
    EXPECT_NEAR(key->x, 1.05, 0.01);
    const PageText *total = find(second, QStringLiteral("Total :"));
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(total->font.style, fsBold);
    EXPECT_LT(total->x, 5.95);
    EXPECT_GT(total->x, 5.0) << "right-justified in the key cell";
    const PageText *sum = find(second, QString::number(teams(70, false).list().total()));
    ASSERT_NE(sum, nullptr);
    EXPECT_GT(sum->x, 6.0);
    EXPECT_LT(sum->x, 6.5);
}

TEST(SummaryPrintTest, TheValueColumnsPrintBesideANarrowerKey)
{
    const PageStream stream = printed(teams(2, true));
    ASSERT_EQ(stream.pages.size(), 1);
    const std::vector<PageText> texts = textsOf(stream.pages.at(0));
    ASSERT_NE(find(texts, QStringLiteral("Gain/Loss")), nullptr);
    // Team 001 has two cards: paid 2.00, worth 5.00.
    ASSERT_NE(find(texts, QStringLiteral("5.00")), nullptr);
    ASSERT_NE(find(texts, QStringLiteral("7.50")), nullptr) << "the value total";
    EXPECT_GT(find(texts, QStringLiteral("Count"))->x, 3.5);
    EXPECT_LT(find(texts, QStringLiteral("Count"))->x, 4.0);
}

TEST(SummaryPrintTest, APdfRunWritesTheFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("summary.pdf"));
    ASSERT_TRUE(SummaryPrint(teams(5, false)).run(rdPdf, file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

} // namespace
} // namespace zendrova::test
