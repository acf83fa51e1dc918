#include "query/ui/FilterDialogRun.h"

#include "query/ui/TFilterDlg.h"

#include "store/RecordStore.h"

namespace zendrova {

FilterDialogResult runFilterDialog(TFilterList &filter, TFilterTemplateList &templates,
    const RecordStore &store, AppState &state, FilterScope currentScope,
    std::function<std::optional<QStringList>(int fieldPos)> lookupItems, QWidget *parent)
{
    TFilterDlg dialog(
        { filter, templates, store.fields(), state, currentScope, std::move(lookupItems) }, parent);
    dialog.exec();
    return dialog.outcome();
}

} // namespace zendrova
