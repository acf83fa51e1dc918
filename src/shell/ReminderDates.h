#pragma once

#include <QString>
#include <array>

namespace zendrova {

// Which reminders a close finds due.
struct ReminderDue
{
    bool backup = false;
    bool maintenance = false;

    bool any() const { return backup || maintenance; }
    bool operator==(const ReminderDue &) const = default;
};

// The dates behind the maintenance reminder, kept in "remind.dat" of the user
// folder as four little-endian doubles (days since 30 December 1899, 0 for
// never): last backup, last backup reminder, last rebuild or pack, last
// maintenance reminder. Times are passed in, so the rules can be tried at any
// day.
class ReminderDates
{
public:
    static inline const QString kFileName = QStringLiteral("remind.dat");
    static constexpr int kFileBytes = 32;
    // A reminder is due this many days after the work it asks for...
    static constexpr double kDueDays = 14;
    // ...and does not come back sooner than this after it was shown.
    static constexpr double kPauseDays = 7;

    enum Index { LastBackup, BackupReminded, LastRebuild, RebuildReminded };

    // All dates 0 unless the file is there and holds exactly 32 bytes.
    void load(const QString &userFolder);
    // Stamps an unknown last backup and last rebuild with now, so the first
    // reminders come two weeks after first use; a failed write is ignored.
    void save(const QString &userFolder, double now);

    void backupDone(double now);
    void rebuildDone(double now);
    // Which reminders are due now; each one found due is stamped as shown.
    // A date of work still 0 (the first run, before its first save) makes
    // nothing due: there is no start of use to count from yet.
    ReminderDue check(double now);

    double date(Index index) const { return m_dates[index]; }
    void setDate(Index index, double value) { m_dates[index] = value; }

    // The current date and time as a date serial.
    static double nowSerial();

private:
    std::array<double, 4> m_dates {};
};

} // namespace zendrova
