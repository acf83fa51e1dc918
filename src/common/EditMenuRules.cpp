#include "common/EditMenuRules.h"

namespace zendrova {

EditMenuState editMenuState(const EditMenuInput &input)
{
    EditMenuState state;
    const bool combo = input.target == EditTarget::Combo;
    state.undoVisible = !combo;
    state.undoEnabled = input.canUndo;
    state.cutEnabled = state.copyEnabled = state.deleteEnabled = input.hasSelection;
    state.selectAllEnabled = !input.hasSelection && !input.textEmpty;
    state.fileEntriesVisible = input.target == EditTarget::Memo;
    state.autoFillChecked = combo && input.autoFill;
    return state;
}

} // namespace zendrova
