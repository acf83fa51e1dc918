#include "query/FilterStorage.h"

#include "query/FilterFile.h"
#include "query/TFilterList.h"

#include "store/RecordStore.h"

#include "common/AppState.h"
#include "common/Interaction.h"

namespace zendrova {

void FilterStorage::connect(RecordStore &store, TFilterList &filter, const AppState &state)
{
    store.loadSavedFilter = [&filter, &state] { FilterFile::loadSaved(filter, state.userFolder); };
    store.clearFilter = [&filter] { filter.clear(); };
}

bool FilterStorage::save(const TFilterList &filter, const AppState &state)
{
    if (FilterFile::saveSaved(filter, state.userFolder))
        return true;
    showMessage(MessageKind::Error, saveFailureText());
    return false;
}

} // namespace zendrova
