#include "support/SettingsFixtures.h"

#include "common/AppState.h"
#include "shell/ExitReminder.h"
#include "shell/ReminderDates.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>

namespace zendrova {
namespace {

using test::fileBytes;
using test::writeBytes;

// A morning (09:00), so whole days added stay on their day when rounded.
constexpr double kDay0 = 45352.375;

QByteArray datesBytes(double a, double b, double c, double d)
{
    QByteArray bytes(32, '\0');
    const double dates[] = { a, b, c, d };
    for (int i = 0; i < 4; ++i) {
        quint64 bits = 0;
        std::memcpy(&bits, &dates[i], 8);
        qToLittleEndian<quint64>(bits, bytes.data() + i * 8);
    }
    return bytes;
}

TEST(ReminderDates, FirstRunRemindsOfNothingAndStampsTheStartOfUse)
{
    QTemporaryDir folder;
    ReminderDates dates;
    dates.load(folder.path());
    EXPECT_FALSE(dates.check(kDay0 + 400).any());

    dates.save(folder.path(), kDay0);
    // Backup and rebuild count from now; no reminder was shown yet.
    EXPECT_EQ(fileBytes(folder.path() + "/remind.dat"), datesBytes(kDay0, 0, kDay0, 0));

    ReminderDates next;
    next.load(folder.path());
    EXPECT_FALSE(next.check(kDay0 + 13).any());
    EXPECT_EQ(next.check(kDay0 + 14), (ReminderDue { true, true }));
}

TEST(ReminderDates, AReminderPausesSevenDaysEvenWithoutMaintenance)
{
    ReminderDates dates;
    dates.setDate(ReminderDates::LastBackup, kDay0);
    dates.setDate(ReminderDates::LastRebuild, kDay0 + 5);
    struct Step
    {
        double day;
        ReminderDue due;
    };
    const Step steps[] = {
        { 14, { true, false } }, // the backup is two weeks old
        { 19, { false, true } }, // the rebuild is; the backup was just reminded of
        { 20, { false, false } },
        { 21, { true, false } }, // seven days after its reminder
        { 26, { false, true } },
    };
    for (const Step &step : steps)
        EXPECT_EQ(dates.check(kDay0 + step.day), step.due) << "day " << step.day;
    EXPECT_EQ(dates.date(ReminderDates::BackupReminded), kDay0 + 21);
    EXPECT_EQ(dates.date(ReminderDates::RebuildReminded), kDay0 + 26);
}

TEST(ReminderDates, DaysAreRoundedSoAnAfternoonCountsAsTheNextDay)
{
    ReminderDates dates;
    const double afternoon = std::floor(kDay0) + 0.6;
    dates.setDate(ReminderDates::LastBackup, afternoon);
    dates.setDate(ReminderDates::LastRebuild, kDay0 + 100);
    // Thirteen and a half days later by the clock, fourteen by rounded days
    // (the morning of day 14 rounds down, the afternoon of day 0 up to day 1).
    EXPECT_FALSE(dates.check(std::floor(kDay0) + 14.4).backup);
    EXPECT_TRUE(dates.check(std::floor(kDay0) + 14.5).backup);
}

TEST(ReminderDates, MaintenanceStampsItsDatesAndADamagedFileReadsAsNever)
{
    QTemporaryDir folder;
    ReminderDates dates;
    dates.backupDone(kDay0 + 1);
    dates.rebuildDone(kDay0 + 2);
    dates.save(folder.path(), kDay0 + 3);
    EXPECT_EQ(fileBytes(folder.path() + "/remind.dat"),
        datesBytes(kDay0 + 1, kDay0 + 1, kDay0 + 2, kDay0 + 2));

    writeBytes(folder.path() + "/remind.dat", datesBytes(1, 2, 3, 4).left(31));
    dates.load(folder.path());
    for (auto index : { ReminderDates::LastBackup, ReminderDates::BackupReminded,
             ReminderDates::LastRebuild, ReminderDates::RebuildReminded })
        EXPECT_EQ(dates.date(index), 0);
}

TEST(ExitReminder, ShowsTheWindowOnlyWhenOnAndDueAndKeepsItsAnswer)
{
    AppState state;
    ReminderDates dates;
    dates.setDate(ReminderDates::LastBackup, kDay0);
    dates.setDate(ReminderDates::LastRebuild, kDay0);
    int shown = 0;
    const auto window = [&](ReminderAnswer answer) {
        return [&shown, answer] {
            ++shown;
            return answer;
        };
    };

    state.userOptions.displayReminders = false;
    EXPECT_FALSE(ExitReminder(state, dates).run(kDay0 + 30, window({ true, false })));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(dates.date(ReminderDates::BackupReminded), 0) << "reminders off: nothing checked";

    state.userOptions.displayReminders = true;
    EXPECT_TRUE(ExitReminder(state, dates).run(kDay0 + 30, window({ true, false })));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(state.userOptions.displayReminders);

    // Not due again the next day.
    EXPECT_FALSE(ExitReminder(state, dates).run(kDay0 + 31, window({ true, false })));
    EXPECT_EQ(shown, 1);

    EXPECT_FALSE(ExitReminder(state, dates).run(kDay0 + 40, window({ false, true })));
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(state.userOptions.displayReminders);
}

} // namespace
} // namespace zendrova
