// The card letting go of the record table around a new sort or filter: the
// order of the steps, the hourglass, and the card reopened on every path.
#include "mainwin/CardRelease.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zendrova::test {
namespace {

using Log = std::vector<std::string>;

class CardReleaseTest : public ::testing::Test
{
protected:
    CardRelease::Steps steps()
    {
        return { [this] {
                    log.push_back("release");
                    return userLeaves;
                },
            [this] {
                log.push_back("sortChanged");
                if (throwIn == "sortChanged")
                    throw std::runtime_error("refresh failed");
            },
            [this] {
                // The hourglass is gone before the card is shown again.
                log.push_back(
                    QGuiApplication::overrideCursor() ? "reopen under hourglass" : "reopen");
            } };
    }

    std::function<void()> work()
    {
        return [this] {
            const QCursor *cursor = QGuiApplication::overrideCursor();
            log.push_back(
                cursor && cursor->shape() == Qt::WaitCursor ? "work under hourglass" : "work");
            if (throwIn == "work")
                throw std::runtime_error("work failed");
        };
    }

    Log log;
    bool userLeaves = true;
    std::string throwIn;
};

TEST_F(CardReleaseTest, TheCardIsReopenedOnEveryPathAndTheErrorGoesOn)
{
    struct Case
    {
        const char *throwIn;
        Log expected;
    };
    const Case cases[] = {
        { "", { "release", "work under hourglass", "sortChanged", "reopen" } },
        { "work", { "release", "work under hourglass", "reopen" } },
        { "sortChanged", { "release", "work under hourglass", "sortChanged", "reopen" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.throwIn);
        log.clear();
        throwIn = c.throwIn;
        CardRelease card(steps());
        if (throwIn.empty())
            EXPECT_TRUE(card.run(work()));
        else
            EXPECT_THROW(card.run(work()), std::runtime_error);
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(card.released());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(CardReleaseTest, AUserWhoStaysOnTheRecordStopsEverything)
{
    userLeaves = false;
    CardRelease card(steps());
    EXPECT_FALSE(card.run(work()));
    EXPECT_EQ(log, Log { "release" });
    // The second half alone (a vetoed non-stop search) does nothing either.
    card.finish(work());
    EXPECT_EQ(log, Log { "release" });
}

TEST_F(CardReleaseTest, TheTwoHalvesFinishOnceWhatTheReleaseBegan)
{
    CardRelease card(steps());
    ASSERT_TRUE(card.release());
    EXPECT_TRUE(card.released());
    log.push_back("search");
    card.finish(work());
    card.finish(work());
    EXPECT_EQ(log, (Log { "release", "search", "work under hourglass", "sortChanged", "reopen" }));
    EXPECT_FALSE(card.released());
}

} // namespace
} // namespace zendrova::test
