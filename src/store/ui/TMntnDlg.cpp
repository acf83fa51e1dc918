#include "store/ui/TMntnDlg.h"

#include "common/ProgressCounter.h"
#include "common/ui/DialogOwner.h"
#include "common/ui/TPercentDlg.h"
#include "store/MaintenanceCommands.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <memory>

namespace zendrova {

TMntnDlg::TMntnDlg(MaintenanceCommands &commands, bool maintenanceDue, QWidget *parent)
    : QDialog(parent)
    , m_commands(commands)
{
    setObjectName(QStringLiteral("MntnDlg"));
    setWindowTitle(tr("Database Maintenance"));
    // The buttons alone would leave the title cut short by the window manager.
    setMinimumWidth(DialogOwner::titleWidth(*this));
    setProperty("helpContext", kHelpContext);
    using C = MaintenanceCommands;
    auto *grid = new QGridLayout(this);
    struct Row
    {
        const char *name;
        QString text;
        QString hint;
        void (MaintenanceCommands::*operation)();
        const char *mark; // the red mark beside it, if any
    };
    const Row rows[] = {
        { "Button1", tr("&Reindex Database"), tr("Rebuild All Indexes"), &C::reindex, "Label1" },
        { "Button2", tr("Delete &Indexes"), tr("Delete Indexes - Decreases Size Of Index File"),
            &C::deleteIndexes, nullptr },
        { "Button3", tr("&Pack Database"), tr("Remove Deleted Records"), &C::pack, "Label2" },
        { "Button4", tr("Delete &All Records"), tr("Very Dangerous - Use With Caution"),
            &C::deleteAllRecords, nullptr },
        { "Button9", tr("&Delete Selected Records"),
            tr("Delete All Displayed Records (Selected By A Filter)"), &C::deleteSelectedRecords,
            nullptr },
        { "Button5", tr("Repair Data &File"), tr("Try To Recreate A Corrupt Data File"),
            &C::repair, nullptr },
        { "Button6", tr("&Backup"), tr("Backup Current Data File"), &C::backup, "Label3" },
        { "Button7", tr("Re&store"), tr("Restore Current Data File from The Backup File"),
            &C::restore, nullptr },
        { "Button8", tr("&Edit Lists"), tr("Modify/Create/Delete List Items"), &C::editLists,
            nullptr },
    };
    int line = 0;
    for (const Row &row : rows) {
        if (row.mark)
            grid->addWidget(dueMark(QString::fromLatin1(row.mark), maintenanceDue), line, 0);
        grid->addWidget(addButton(QString::fromLatin1(row.name), row.text, row.hint, row.operation),
            line++, 1);
    }
    m_close = new QPushButton(tr("&Close"), this);
    m_close->setObjectName(QStringLiteral("OKBtn"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(m_close, line, 1);
    grid->setColumnMinimumWidth(0, 24);
    connectProgress();
}

QPushButton *TMntnDlg::addButton(const QString &name, const QString &text, const QString &hint,
    void (MaintenanceCommands::*operation)())
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, operation] { (m_commands.*operation)(); });
    return button;
}

QLabel *TMntnDlg::dueMark(const QString &name, bool visible)
{
    auto *mark = new QLabel(QStringLiteral(">>"), this);
    mark->setObjectName(name);
    mark->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    mark->setVisible(visible);
    return mark;
}

void TMntnDlg::connectProgress()
{
    auto progress = std::make_shared<QPointer<TPercentDlg>>();
    MaintenanceCommands::Hooks &hooks = m_commands.hooks;
    hooks.running = [this](bool running) {
        m_running = running;
        m_close->setEnabled(!running);
    };
    hooks.showProgress = [this, progress](const QString &caption) {
        *progress = new TPercentDlg(this);
        (*progress)->setWindowTitle(caption);
    };
    hooks.progress = [progress, shown = std::make_shared<ProgressCounter>()](
                         int position, int total) {
        TPercentDlg *window = *progress;
        if (!window)
            return;
        window->setTotal(total);
        window->SetPosition(position);
        shown->setTotal(total);
        // Painting goes on while the copy runs, once per percent; clicks wait
        // for its end.
        if (shown->setPosition(position) || position == 0)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.hideProgress = [progress] { delete progress->data(); };
}

void TMntnDlg::closeEvent(QCloseEvent *event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TMntnDlg::reject()
{
    if (!m_running)
        QDialog::reject();
}

} // namespace zendrova
