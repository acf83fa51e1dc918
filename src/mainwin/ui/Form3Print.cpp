// The Print commands: the "Print" chooser, the report dialog on the current
// report definition, and one-record printing from the card and the list.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordListModel.h"
#include "mainwin/ui/RecordListPage.h"
#include "output/LabelDialogContext.h"
#include "output/ReportFiles.h"
#include "output/TLabelRec.h"
#include "output/TReportRec.h"
#include "output/ui/LabelDialogRun.h"
#include "output/ui/TPrtDlg.h"
#include "output/ui/TReportDlg.h"
#include "store/RecordStore.h"

namespace zendrova {

void TForm3::writeReportDefinition()
{
    if (m_report)
        ReportFiles::writeCurrent(m_state.userFolder, *m_report);
}

void TForm3::openPrint(bool oneRecord)
{
    TPrtDlg chooser(oneRecord, this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    if (chooser.choice() == TPrtDlg::Labels)
        openLabels(oneRecord);
    else
        openReport(oneRecord);
    // The run walked the list's table object.
    redrawList();
}

void TForm3::openLabels(bool oneRecord)
{
    if (!m_labels)
        m_labels = std::make_unique<TLabelRec>(); // the default sheet, once a run
    LabelDialogContext context;
    context.current = m_labels.get();
    context.userFolder = m_state.userFolder;
    context.stockFolder = m_state.installFolder;
    context.captions = m_state.captions.captions();
    context.memoOrPicture
        = memoOrPictureIndexes(m_store.fields(), int(context.captions.size()));
    context.table = &m_store.recordTable();
    context.dateFormats = &m_state.dateFormats;
    context.oneRecord = oneRecord;
    context.suspendLetterRange = [this] { beforePrint(); };
    context.restoreLetterRange = [this] { afterPrint(); };
    runLabelDialog(std::move(context), this);
}

void TForm3::openReport(bool oneRecord)
{
    ReportSources sources;
    sources.table = &m_store.recordTable();
    sources.captions = m_state.captions.captions();
    sources.dateFormats = &m_state.dateFormats;
    sources.hooks = { [this] { beforePrint(); }, [this] { afterPrint(); } };
    sources.userFolder = m_state.userFolder;
    std::vector<FieldKind> kinds;
    for (int i = 0; i < sources.captions.size(); ++i)
        kinds.push_back(m_store.fields().kind(i + FieldModel::kFirstUserPosition));
    TReportDlg dialog(std::move(sources), std::move(kinds), *m_report, oneRecord, this);
    dialog.exec();
}

void TForm3::printCardRecord()
{
    if (!mayLeaveRecord() || m_cycle->card().newRecord || m_cycle->card().position <= 0)
        return;
    m_store.recordTable().gotoSameRecord(m_cycle->cardCursor());
    openPrint(true);
}

void TForm3::printListRecord(int row)
{
    const int position = m_list->listPosition(row);
    StoreTable &list = m_store.recordTable();
    if (!list.isOpen() || !list.gotoRecord(position) || list.atEnd()) {
        showMessage(MessageKind::Information, tr("Empty Record cannot be Printed."));
        return;
    }
    if (!m_cycle->showRecord(position))
        return; // the card stayed on its record
    list.gotoRecord(position);
    openPrint(true);
}

} // namespace zendrova
