#include "shell/ReminderDates.h"

#include "common/DateSerial.h"
#include "common/WholeFile.h"

#include <QDateTime>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace zendrova {

namespace {

// Whole days, a time from noon on counting as the next day.
double dayOf(double serial)
{
    return std::round(serial);
}

bool isDue(double today, double lastWork, double lastReminder)
{
    return lastWork != 0 && today - dayOf(lastWork) >= ReminderDates::kDueDays
        && today - dayOf(lastReminder) >= ReminderDates::kPauseDays;
}

} // namespace

void ReminderDates::load(const QString &userFolder)
{
    m_dates.fill(0);
    const std::optional<QByteArray> bytes = readFileIn(userFolder, kFileName);
    if (!bytes || bytes->size() != kFileBytes)
        return;
    for (int i = 0; i < int(m_dates.size()); ++i) {
        const quint64 bits = qFromLittleEndian<quint64>(bytes->constData() + i * 8);
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        m_dates[i] = std::isfinite(value) ? value : 0;
    }
}

void ReminderDates::save(const QString &userFolder, double now)
{
    if (m_dates[LastBackup] == 0)
        m_dates[LastBackup] = now;
    if (m_dates[LastRebuild] == 0)
        m_dates[LastRebuild] = now;
    QByteArray bytes(kFileBytes, '\0');
    for (int i = 0; i < int(m_dates.size()); ++i) {
        quint64 bits = 0;
        std::memcpy(&bits, &m_dates[i], sizeof bits);
        qToLittleEndian<quint64>(bits, bytes.data() + i * 8);
    }
    writeFileIn(userFolder, kFileName, bytes);
}

void ReminderDates::backupDone(double now)
{
    m_dates[LastBackup] = now;
    m_dates[BackupReminded] = now;
}

void ReminderDates::rebuildDone(double now)
{
    m_dates[LastRebuild] = now;
    m_dates[RebuildReminded] = now;
}

ReminderDue ReminderDates::check(double now)
{
    const double today = dayOf(now);
    ReminderDue due;
    due.backup = isDue(today, m_dates[LastBackup], m_dates[BackupReminded]);
    if (due.backup)
        m_dates[BackupReminded] = now;
    due.maintenance = isDue(today, m_dates[LastRebuild], m_dates[RebuildReminded]);
    if (due.maintenance)
        m_dates[RebuildReminded] = now;
    return due;
}

double ReminderDates::nowSerial()
{
    const QDateTime now = QDateTime::currentDateTime();
    return serialFromDate(now.date()) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace zendrova
