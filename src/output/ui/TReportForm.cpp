#include "output/ui/TReportForm.h"

#include "common/ui/DialogButtons.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zendrova {

TReportForm::TReportForm(ReportJob &job, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_status(new QLabel(this))
    , m_button(namedButton(QStringLiteral("BitBtn1"), tr("&Cancel")))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TReportForm"));
    setWindowTitle(tr("Report Status Screen"));
    setMinimumWidth(300);
    m_status->setObjectName(QStringLiteral("Label1"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setMinimumHeight(60);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kCloseDelayMs);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
    connect(m_button, &QPushButton::clicked, this, &TReportForm::buttonClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(buttonRow({ m_button }));
}

void TReportForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &TReportForm::start);
    }
}

void TReportForm::showStatus(const QString &text)
{
    QString shown = text;
    m_status->setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void TReportForm::start()
{
    m_running = true;
    m_outcome = m_job.run([this](const QString &text) { showStatus(text); });
    m_running = false;
    m_button->setText(tr("&OK"));
    switch (*m_outcome) {
    case ReportJob::Outcome::NoPrinter:
        m_timer->start();
        break;
    case ReportJob::Outcome::Cancelled:
        showStatus(ReportJob::canceledText());
        break;
    case ReportJob::Outcome::Completed:
    case ReportJob::Outcome::Failed:
        showStatus(ReportJob::completedText());
        m_timer->start();
        break;
    }
}

void TReportForm::buttonClicked()
{
    if (m_running)
        m_job.cancel();
    else
        accept();
}

void TReportForm::reject()
{
    // Closing the window while pages are produced cancels the run first.
    if (m_running)
        m_job.cancel();
    else
        QDialog::reject();
}

} // namespace zendrova
