#pragma once

#include "store/MenuEntry.h"

#include <functional>

class QMenu;

namespace zendrova {

// Replaces the menu's items by the entries; a triggered item is handed to
// `chosen`. Each action keeps its entry's Tag as its data.
void fillMenu(QMenu *menu, const QList<MenuEntry> &entries,
    const std::function<void(const MenuEntry &)> &chosen);

} // namespace zendrova
