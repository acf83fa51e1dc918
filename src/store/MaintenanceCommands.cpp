#include "store/MaintenanceCommands.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/LoginPrompt.h"
#include "common/RunHook.h"
#include "common/WaitCursor.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/TableMaintenance.h"
#include "store/TableSafekeeping.h"

namespace zendrova {

QString MaintenanceCommands::warningText()
{
    return tr("WARNING! This operation cannot be Undone!");
}

QString MaintenanceCommands::reindexQuestion()
{
    return tr("Rebuilding indexes may be time consuming. Are you sure you want to do this?");
}

QString MaintenanceCommands::deleteIndexesQuestion()
{
    return tr("Deleting indexes may be time consuming. Are you sure you want to do this?");
}

QString MaintenanceCommands::packQuestion()
{
    return tr("Packing the Database may be time consuming. Are you sure you want to do this?");
}

QString MaintenanceCommands::deleteAllPrompt()
{
    return tr("If you want to Delete All Records please");
}

QString MaintenanceCommands::allDeletedText()
{
    return tr("All Records Deleted.");
}

QString MaintenanceCommands::noFilterText()
{
    return tr("You have to set a Normal or Reversed Filter first!");
}

QString MaintenanceCommands::deleteSelectedPrompt()
{
    return tr("If you want to Delete All Displayed Records please");
}

QString MaintenanceCommands::selectedDeletedText()
{
    return tr("All Displayed Records Deleted.");
}

QString MaintenanceCommands::repairPrompt()
{
    return tr("If you want to Repair the Data File please");
}

QString MaintenanceCommands::repairProgressCaption()
{
    return tr("Data Repair Progress");
}

QString MaintenanceCommands::repairedText()
{
    return tr("Data File Repaired Successfully. The original file is saved as TEMP$$$.DBF");
}

QString MaintenanceCommands::repairFailedText()
{
    return tr("Data File Repair Failed! Check if you have enough free disk space.");
}

QString MaintenanceCommands::notRecoveredText(int count)
{
    return QString::number(count) + tr(" records could not be Recovered!");
}

QString MaintenanceCommands::backupPrompt()
{
    return tr("If you want to Backup the Data File please");
}

QString MaintenanceCommands::backupProgressCaption()
{
    return tr("Backup Progress");
}

QString MaintenanceCommands::backedUpText()
{
    return tr("Database Backed Up Successfully.\rIMPORTANT: You should now copy all files from "
              "BACKUP directory to a diskette or backup media. You may have to use some "
              "compression or backup software.");
}

QString MaintenanceCommands::backupFailedText()
{
    return tr("Backup Failed! Check if you have enough free disk space.");
}

QString MaintenanceCommands::notBackedUpText(int count)
{
    return QString::number(count) + tr(" records could not be Backed Up!");
}

QString MaintenanceCommands::restorePrompt()
{
    return tr("If you want to Restore data from the Backup file please");
}

QString MaintenanceCommands::restoreListsQuestion()
{
    return tr("Do you also want to Restore Lists?\r(Recommended Answer - YES)");
}

QString MaintenanceCommands::restoreProgressCaption()
{
    return tr("Restore Progress");
}

QString MaintenanceCommands::restoredText()
{
    return tr("Data File Restored Successfully. Original File Renamed To: TEMP$$$.DBF");
}

QString MaintenanceCommands::backupNotFoundText()
{
    return tr("Backup Data File not found!");
}

QString MaintenanceCommands::notRestoredText(int count)
{
    return QString::number(count) + tr(" records could not be Restored!");
}

MaintenanceCommands::MaintenanceCommands(AppState &state, RecordStore &store)
    : m_state(state)
    , m_store(store)
{ }

bool MaintenanceCommands::confirmedTwice(const QString &firstLine)
{
    if (!hooks.confirmTyped || !hooks.confirmTyped(firstLine, warningText()))
        return false;
    return hooks.securityCheck ? hooks.securityCheck() : securityCheck(m_state);
}

template<typename Work>
bool MaintenanceCommands::runCopy(const QString &caption, Work &&work)
{
    if (hooks.running)
        hooks.running(true);
    if (hooks.showProgress)
        hooks.showProgress(caption);
    QString failure;
    {
        const WaitCursor hourglass;
        try {
            work();
        } catch (const StoreError &error) {
            failure = QString::fromLocal8Bit(error.what());
        }
    }
    runHook(hooks.hideProgress);
    if (hooks.running)
        hooks.running(false);
    if (failure.isEmpty())
        return true;
    showMessage(MessageKind::Error, failure);
    return false;
}

void MaintenanceCommands::reindex()
{
    if (!askYesNo(MessageKind::Warning, reindexQuestion()))
        return;
    if (hooks.running)
        hooks.running(true);
    {
        const WaitCursor hourglass;
        // Whether the tags could be rebuilt is not reported beyond the
        // exclusive-use message.
        TableMaintenance::regenIndexes(m_store.recordTable(), m_state.installFolder);
        TableMaintenance::packTable(m_store.catalog(), m_state.installFolder);
    }
    runHook(hooks.rebuildDone);
    if (hooks.running)
        hooks.running(false);
    m_results.tableChanged = true;
}

void MaintenanceCommands::deleteIndexes()
{
    if (!askYesNo(MessageKind::Warning, deleteIndexesQuestion()))
        return;
    {
        const WaitCursor hourglass;
        TableMaintenance::deleteAddedIndexes(m_store.recordTable(), m_state.installFolder);
    }
    m_results.tableChanged = true;
    m_results.indexesChanged = true;
}

void MaintenanceCommands::pack()
{
    if (!askYesNo(MessageKind::Warning, packQuestion()))
        return;
    if (hooks.running)
        hooks.running(true);
    {
        const WaitCursor hourglass;
        TableMaintenance::packTable(m_store.recordTable(), m_state.installFolder);
        TableMaintenance::packTable(m_store.catalog(), m_state.installFolder);
    }
    runHook(hooks.rebuildDone);
    if (hooks.running)
        hooks.running(false);
    m_results.tableChanged = true;
}

void MaintenanceCommands::deleteAllRecords()
{
    if (!confirmedTwice(deleteAllPrompt()))
        return;
    bool emptied = false;
    {
        const WaitCursor hourglass;
        // The catalog's record counter goes on from where it was.
        emptied = TableMaintenance::emptyTable(m_store.recordTable());
    }
    m_results.tableChanged = true;
    if (emptied)
        showMessage(MessageKind::Information, allDeletedText());
}

void MaintenanceCommands::deleteSelectedRecords()
{
    SortOrder &sort = m_store.sortOrder();
    if (sort.filterScope == FilterScope::AllRecords) {
        showMessage(MessageKind::Warning, noFilterText());
        return;
    }
    if (!confirmedTwice(deleteSelectedPrompt()))
        return;
    m_results.tableChanged = true;
    StoreTable &table = m_store.recordTable();
    try {
        const WaitCursor hourglass;
        // The records the filter shows, whatever letter tab is chosen.
        RecordTableSort &target = m_store.sortTarget();
        target.applyRange(LetterRange::forLetter(
            0, sort.descriptor.sort, m_store.fields(), sort.filterScope, true, false));
        RecordEditor record(table);
        for (table.first(); !table.atEnd(); table.first())
            record.remove();
    } catch (const StoreError &error) {
        showMessage(MessageKind::Error, QString::fromLocal8Bit(error.what()));
        return;
    }
    showMessage(MessageKind::Information, selectedDeletedText());
}

void MaintenanceCommands::repair()
{
    if (!confirmedTwice(repairPrompt()))
        return;
    m_results.tableChanged = true;
    m_results.indexesChanged = true;
    TableSafekeeping::Outcome outcome;
    if (!runCopy(repairProgressCaption(), [&] { outcome = makeSafekeeping().repairTable(); }))
        return;
    if (outcome.inUse)
        showMessage(MessageKind::Error, TableMaintenance::exclusiveUseText());
    else if (outcome.succeeded)
        showMessage(MessageKind::Information, repairedText());
    else if (outcome.errors > 0)
        showMessage(MessageKind::Warning, notRecoveredText(outcome.errors));
    else
        showMessage(MessageKind::Warning, repairFailedText());
}

void MaintenanceCommands::backup()
{
    if (!confirmedTwice(backupPrompt()))
        return;
    TableSafekeeping::Outcome outcome;
    if (!runCopy(backupProgressCaption(), [&] { outcome = makeSafekeeping().backupTable(); }))
        return;
    if (outcome.succeeded) {
        showMessage(MessageKind::Information, backedUpText(), MessageButtons::OkHelp,
            kBackupHelpContext);
        runHook(hooks.backupDone);
    } else {
        showMessage(MessageKind::Warning,
            outcome.errors > 0 ? notBackedUpText(outcome.errors) : backupFailedText(),
            MessageButtons::OkHelp, kBackupHelpContext);
    }
}

void MaintenanceCommands::restore()
{
    if (!confirmedTwice(restorePrompt()))
        return;
    const bool lists = askYesNo(MessageKind::Confirmation, restoreListsQuestion());
    m_results.tableChanged = true;
    m_results.indexesChanged = true;
    TableSafekeeping::Outcome outcome;
    if (!runCopy(restoreProgressCaption(), [&] { outcome = makeSafekeeping().restoreTable(lists); }))
        return;
    if (lists && outcome.succeeded)
        m_results.listsEdited = true;
    if (outcome.inUse)
        showMessage(MessageKind::Error, TableMaintenance::exclusiveUseText());
    else if (outcome.succeeded)
        showMessage(MessageKind::Information, restoredText());
    else if (outcome.errors > 0)
        showMessage(MessageKind::Warning, notRestoredText(outcome.errors));
    else
        showMessage(MessageKind::Warning, backupNotFoundText());
}

void MaintenanceCommands::editLists()
{
    runHook(hooks.editLists);
    m_results.listsEdited = true;
}

TableSafekeeping MaintenanceCommands::makeSafekeeping()
{
    TableSafekeeping safekeeping(m_store.recordTable(), m_store.catalog(), m_state.installFolder);
    safekeeping.setProgress([this](int walked, int total) {
        if (hooks.progress)
            hooks.progress(walked, total);
    });
    return safekeeping;
}

} // namespace zendrova
