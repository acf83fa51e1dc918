#pragma once

#include "output/ReportJob.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace zendrova {

// "Report Status Screen": runs a report job as soon as it shows, with the
// engine's status text and a Cancel button that turns into OK at the end. A
// completed run closes the window after 500 ms; a cancelled one waits.
class TReportForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kCloseDelayMs = 500;

    explicit TReportForm(ReportJob &job, QWidget *parent = nullptr);

    // Nothing before the run has ended.
    std::optional<ReportJob::Outcome> outcome() const { return m_outcome; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void start();
    void buttonClicked();
    void showStatus(const QString &text);

    ReportJob &m_job;
    QLabel *m_status;
    QPushButton *m_button;
    QTimer *m_timer;
    bool m_started = false;
    bool m_running = false;
    std::optional<ReportJob::Outcome> m_outcome;
};

} // namespace zendrova
