#pragma once

#include "query/FilterDialogModel.h"

#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace zendrova {

class AppState;
class RecordStore;
class TFilterTemplateList;

// Shows the filter dialog modally on the filter (changed in place) and says
// what the main window does next: apply and show the Normal scope, switch to
// another scope, or nothing. lookupItems gives a field's lookup list items
// when its card control is a lookup combo.
FilterDialogResult runFilterDialog(TFilterList &filter, TFilterTemplateList &templates,
    const RecordStore &store, AppState &state, FilterScope currentScope,
    std::function<std::optional<QStringList>(int fieldPos)> lookupItems, QWidget *parent);

} // namespace zendrova
