#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zendrova {

class MaintenanceCommands;

// The Database Maintenance window: one button per operation on the current
// record table, each a call into MaintenanceCommands, which keeps the results
// the main window reads when the window has closed.
class TMntnDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 28;

    // maintenanceDue shows the red marks beside Reindex, Pack and Backup.
    TMntnDlg(MaintenanceCommands &commands, bool maintenanceDue, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QPushButton *addButton(const QString &name, const QString &text, const QString &hint,
        void (MaintenanceCommands::*operation)());
    QLabel *dueMark(const QString &name, bool visible);
    void connectProgress();

    MaintenanceCommands &m_commands;
    QPushButton *m_close = nullptr;
    bool m_running = false;
};

} // namespace zendrova
