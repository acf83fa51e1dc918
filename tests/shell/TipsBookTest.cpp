#include "support/ScriptedInteraction.h"
#include "support/SettingsFixtures.h"

#include "shell/TipsBook.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::kNoHelp;
using test::ScriptedInteraction;
using test::writeBytes;

class TipsBookTest : public ::testing::Test
{
protected:
    QString tipsFile(const QByteArray &text)
    {
        const QString path = dir.path() + QStringLiteral("/hints.txt");
        writeBytes(path, text);
        return path;
    }

    QTemporaryDir dir;
    ScriptedInteraction user;
};

TEST_F(TipsBookTest, PagesThroughTipsOfSeveralLinesWithButtonsAtTheEnds)
{
    TipsBook book(tipsFile("3\r\n[1]\r\nFirst tip\r\n[2]\r\nSecond tip,\r\ntwo lines\r\n[3]\r\nLast\r\n"));
    ASSERT_EQ(book.count(), 3);
    book.show(1);
    EXPECT_EQ(book.lines(), QStringList { "First tip" });
    EXPECT_FALSE(book.previousEnabled());
    EXPECT_TRUE(book.nextEnabled());
    book.next();
    EXPECT_EQ(book.lines(), QStringList({ "Second tip,", "two lines" }));
    EXPECT_TRUE(book.previousEnabled());
    book.next();
    EXPECT_EQ(book.lines(), QStringList { "Last" });
    EXPECT_FALSE(book.nextEnabled());
    book.previous();
    EXPECT_EQ(book.current(), 2);
}

TEST_F(TipsBookTest, ACountPromisingMoreTipsThanHeldKeepsTheTextOnAMissingTip)
{
    TipsBook book(tipsFile("4\n[1]\none\n[2]\ntwo\n"));
    book.show(2);
    book.next();
    EXPECT_EQ(book.current(), 3);
    EXPECT_EQ(book.lines(), QStringList { "two" });
    EXPECT_TRUE(book.previousEnabled());
    EXPECT_TRUE(book.nextEnabled());
}

TEST_F(TipsBookTest, ASingleTipDisablesBothButtons)
{
    TipsBook book(tipsFile("1\n[1]\nonly\n"));
    QRandomGenerator random(7);
    book.show(TipsBook::startTip(book.count(), random));
    EXPECT_EQ(book.lines(), QStringList { "only" });
    EXPECT_FALSE(book.previousEnabled());
    EXPECT_FALSE(book.nextEnabled());
}

TEST_F(TipsBookTest, TheFirstTipShownIsNeverTheLast)
{
    QRandomGenerator random(1);
    QSet<int> seen;
    for (int i = 0; i < 500; ++i)
        seen.insert(TipsBook::startTip(4, random));
    EXPECT_EQ(seen, (QSet<int> { 1, 2, 3 }));
    EXPECT_EQ(TipsBook::startTip(0, random), 0);
}

TEST_F(TipsBookTest, AMissingFileIsToldAtEachReadAndACountThatIsNoNumberGivesNoTips)
{
    user.expectMessage(MessageKind::Error, "Cannot open the Hints file.", MessageButtons::Ok, kNoHelp);
    TipsBook missing(dir.path() + QStringLiteral("/none.txt"));
    EXPECT_EQ(missing.count(), 0);
    user.expectMessage(MessageKind::Error, "Cannot open the Hints file.", MessageButtons::Ok, kNoHelp);
    missing.show(1);
    EXPECT_TRUE(missing.lines().isEmpty());
    EXPECT_TRUE(user.allConsumed());

    TipsBook noNumber(tipsFile("many\n[1]\ntip\n"));
    EXPECT_EQ(noNumber.count(), 0);
}

// The file shipped beside the program: every tip it counts is there and says
// something.
TEST(ShippedTips, HoldAtLeastThirtyTipsEachNumberedInTurn)
{
    QFile file(QStringLiteral(ZENDROVA_BIN_DIR "/hints.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const int count = lines.value(0).trimmed().toInt();
    EXPECT_GE(count, 30);
    const QStringList headings = lines.filter(QRegularExpression(QStringLiteral("^\\[")));
    ASSERT_EQ(headings.size(), count);
    for (int k = 1; k <= count; ++k) {
        EXPECT_EQ(headings.at(k - 1), QStringLiteral("[%1]").arg(k));
        TipsBook book(file.fileName());
        book.show(k);
        EXPECT_FALSE(book.lines().join(QString()).trimmed().isEmpty()) << k;
    }
}

} // namespace
} // namespace zendrova
