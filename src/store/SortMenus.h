#pragma once

#include "store/FieldModel.h"
#include "store/FilterScope.h"
#include "store/MenuEntry.h"
#include "store/SortBytes.h"

#include <QCoreApplication>
#include <QStringList>

namespace zendrova {

// What the sort button's menus are built from: the field captions in
// field-number order, the table's fields and the current choice.
struct SortMenuContext
{
    QStringList captions;
    FieldModel fields;
    SortBytes sort;
};

// The three popup menus of the sort button and the captions of its buttons.
class SortMenus
{
    Q_DECLARE_TR_FUNCTIONS(SortMenus)

public:
    // The hints of the primary, secondary and filter buttons on the main window.
    static QStringList buttonHints();
    static QString entryOrderText();
    static QString noneText();

    // The primary button's caption: the primary field's caption or "Entry Order".
    static QString primaryLabel(const SortBytes &sort, const QStringList &captions);
    // The secondary button's caption: the secondary field's caption or "NONE".
    static QString secondaryLabel(const SortBytes &sort, const QStringList &captions);

    static QList<MenuEntry> primaryMenu(const SortMenuContext &context, bool isDown1);
    // entryOrderShown: the primary button says "Entry Order"; noSecondaryShown:
    // the secondary button says "NONE".
    static QList<MenuEntry> secondaryMenu(
        const SortMenuContext &context, bool entryOrderShown, bool noSecondaryShown, bool isDown2);
    static QList<MenuEntry> filterMenu(FilterScope scope, const QStringList &templateNames);
};

} // namespace zendrova
