#include "shell/ui/TReminderDlg.h"

#include "common/Interaction.h"
#include "common/ui/DialogButtons.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zendrova {

TReminderDlg::TReminderDlg(QWidget *parent)
    : QDialog(parent)
    , m_doNotDisplay(new QCheckBox(tr("Do Not Display")))
{
    setObjectName(QStringLiteral("TReminderDlg"));
    setWindowTitle(tr("Reminder"));

    auto *memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setPlainText(ExitReminder::text().join(QLatin1Char('\n')));
    memo->setMinimumSize(360, 160);
    m_doNotDisplay->setObjectName(QStringLiteral("DoNotDisplay_CB"));
    auto *boxLabel = new QLabel(
        tr("Check this box if you do not want to see this Reminder Window anymore."));
    boxLabel->setWordWrap(true);

    QPushButton *maintenance = namedButton(QStringLiteral("Maintenance_Btn"), tr("&GoTo Maintenance"));
    maintenance->setToolTip(tr("Backup or Pack your database Now"));
    QPushButton *close = namedButton(QStringLiteral("CloseBtn"), tr("&Close"));
    close->setToolTip(tr("Close Reminder Window"));
    close->setDefault(true);
    QPushButton *help = namedButton(QStringLiteral("HelpBtn"), tr("&Help"));
    help->setToolTip(tr("Display Help On Database Maintenance"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo, 1);
    layout->addWidget(m_doNotDisplay);
    layout->addWidget(boxLabel);
    layout->addLayout(buttonRow({ maintenance, close, help }));

    connect(maintenance, &QPushButton::clicked, this, [this] { finish(true); });
    connect(close, &QPushButton::clicked, this, [this] { finish(false); });
    connect(help, &QPushButton::clicked, this,
        [] { Interaction::current().showHelp(ExitReminder::kHelpContext); });
}

void TReminderDlg::finish(bool goToMaintenance)
{
    m_answer.goToMaintenance = goToMaintenance;
    m_answer.doNotDisplay = m_doNotDisplay->isChecked();
    accept();
}

ReminderAnswer TReminderDlg::ask(QWidget *parent)
{
    TReminderDlg dialog(parent);
    dialog.exec();
    // Closed by the title bar: as "&Close", and the box still counts.
    ReminderAnswer answer = dialog.answer();
    answer.doNotDisplay = dialog.m_doNotDisplay->isChecked();
    return answer;
}

} // namespace zendrova
