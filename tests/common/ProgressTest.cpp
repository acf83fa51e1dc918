#include "common/ProgressCounter.h"
#include "common/ui/TPercent.h"
#include "common/ui/TPercentDlg.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

TEST(ProgressCounter, PercentagesRoundAndChangeOnlyWhenTheyDiffer)
{
    struct Step
    {
        int position;
        std::optional<int> shown;
    };
    struct Case
    {
        int total;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {0, {{1, 100}, {2, std::nullopt}}},
        {3, {{1, 33}, {2, 67}, {2, std::nullopt}, {3, 100}}},
        {1000, {{1, std::nullopt}, {4, std::nullopt}, {5, 1}, {6, std::nullopt}, {1000, 100}}},
        {4, {{0, std::nullopt}, {2, 50}, {0, 0}}},
    };
    for (const Case &c : cases) {
        ProgressCounter counter;
        counter.setTotal(c.total);
        for (const Step &step : c.steps)
            EXPECT_EQ(step.shown, counter.setPosition(step.position))
                << c.total << " at " << step.position;
    }
}

TEST(Percent, ShareIsClampedAndWritten)
{
    TPercent bar;
    EXPECT_EQ(QSize(90, 20), bar.size());
    const std::pair<int, int> cases[] = {{150, 100}, {-5, 0}, {42, 42}, {100, 100}};
    for (const auto &[given, shown] : cases) {
        bar.setPercentShaded(given);
        EXPECT_EQ(shown, bar.PercentShaded());
        EXPECT_EQ(QStringLiteral("%1%").arg(shown), bar.shownText());
    }
    bar.setCaption(QStringLiteral("Copying"));
    bar.setShowPercent(false);
    EXPECT_EQ(QStringLiteral("Copying"), bar.shownText());

    bar.resize(104, 20); // inner length 100
    bar.setPercentShaded(37);
    EXPECT_EQ(39, bar.splitPoint());
    bar.resize(20, 54); // vertical: inner length 50
    EXPECT_FALSE(bar.IsHorizontal());
    EXPECT_EQ(21, bar.splitPoint());
}

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(PercentDlg, StepsUpdateTheBarOnlyWhenTheShareChanges)
{
    TPercentDlg dialog;
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QStringLiteral("Progress"), dialog.windowTitle());
    EXPECT_EQ(QSize(357, 76), dialog.size());
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    TPercent *bar = dialog.findChild<TPercent *>(QStringLiteral("Percent1"));
    ASSERT_EQ(dialog.Percent1(), bar);
    EXPECT_EQ(QRect(30, 21, 297, 33), bar->geometry());
    EXPECT_EQ(QColor(0, 128, 0), bar->PercentColor());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    PaintCounter counter;
    bar->installEventFilter(&counter);
    dialog.setTotal(3);
    dialog.Step();
    QCoreApplication::processEvents();
    EXPECT_EQ(33, bar->PercentShaded());
    EXPECT_GE(counter.paints, 1);

    counter.paints = 0;
    dialog.SetPosition(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(0, counter.paints);

    dialog.Step();
    QCoreApplication::processEvents();
    EXPECT_EQ(67, bar->PercentShaded());
    EXPECT_GE(counter.paints, 1);
    EXPECT_EQ(2, dialog.position());
}

TEST(PercentDlg, ATotalOfZeroShowsEverythingDone)
{
    TPercentDlg dialog;
    dialog.setTotal(0);
    dialog.Step();
    EXPECT_EQ(100, dialog.Percent1()->PercentShaded());
}

} // namespace
} // namespace zendrova
