#pragma once

#include "shell/ExitReminder.h"

#include <QDialog>

class QCheckBox;

namespace zendrova {

// "Reminder": asks the user to back up, reindex and pack, with the way to the
// maintenance window and a box to stop the reminders.
class TReminderDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TReminderDlg(QWidget *parent = nullptr);

    // Shows it modally; the answer of whichever way it was closed.
    static ReminderAnswer ask(QWidget *parent);

    const ReminderAnswer &answer() const { return m_answer; }

private:
    void finish(bool goToMaintenance);

    QCheckBox *m_doNotDisplay;
    ReminderAnswer m_answer;
};

} // namespace zendrova
