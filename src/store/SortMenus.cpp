#include "store/SortMenus.h"

#include "store/SortChange.h"

namespace zendrova {
namespace {

using Role = MenuEntry::Role;

// The caption of field position p is the (p - 1)-th field number's.
QString captionOf(int position, const QStringList &captions)
{
    const int index = position - FieldModel::kFirstUserPosition;
    return index >= 0 && index < captions.size() ? captions[index] : QString();
}

// "first" (Tag 0) followed by one item per caption; Tag k names position k + 1.
QList<MenuEntry> fieldItems(
    const SortMenuContext &context, const QString &first, int checkedPosition, int disabledPosition)
{
    QList<MenuEntry> items;
    items.append(MenuEntry::item(Role::Field, first, 0, true, checkedPosition < 2));
    for (int k = 1; k <= context.captions.size(); ++k) {
        const int position = k + 1;
        const bool enabled = !context.fields.isMemo(position) && !context.fields.isPicture(position)
            && position != disabledPosition;
        items.append(MenuEntry::item(
            Role::Field, context.captions[k - 1], k, enabled, position == checkedPosition));
    }
    return items;
}

QList<MenuEntry> directionItems(bool descending)
{
    return { MenuEntry::item(Role::Direction, QCoreApplication::translate("SortMenus", "Ascending"),
                 0, true, !descending),
        MenuEntry::item(Role::Direction, QCoreApplication::translate("SortMenus", "Descending"), 1,
            true, descending) };
}

MenuEntry helpItem()
{
    return MenuEntry::item(Role::Help, QCoreApplication::translate("SortMenus", "&Help"));
}

QList<MenuEntry> templateItems(Role role, const QStringList &names)
{
    QList<MenuEntry> items;
    for (int i = 0; i < names.size(); ++i)
        items.append(MenuEntry::item(role, names[i], i));
    return items;
}

} // namespace

QStringList SortMenus::buttonHints()
{
    return {tr("[Primary Sort Field]: Left Click - Sort Options; Right Click - Menu"),
            tr("[Secondary Sort Field]: Left Click - Sort Options; Right Click - Menu"),
            tr("Left Click - Set Filter;  Right Click - Menu")};
}

QString SortMenus::entryOrderText()
{
    return tr("Entry Order");
}

QString SortMenus::noneText()
{
    return tr("NONE");
}

QString SortMenus::primaryLabel(const SortBytes &sort, const QStringList &captions)
{
    return sort.isEntryOrder() ? entryOrderText() : captionOf(sort.primary, captions);
}

QString SortMenus::secondaryLabel(const SortBytes &sort, const QStringList &captions)
{
    return sort.hasSecondary() ? captionOf(sort.secondary, captions) : noneText();
}

QList<MenuEntry> SortMenus::primaryMenu(const SortMenuContext &context, bool isDown1)
{
    return {
        MenuEntry::submenu(tr("&Primary Sort Field"),
            fieldItems(context, entryOrderText(), context.sort.primary, -1)),
        MenuEntry::submenu(tr("&Sort Direction"), directionItems(isDown1)),
        MenuEntry::separator(),
        helpItem(),
    };
}

QList<MenuEntry> SortMenus::secondaryMenu(
    const SortMenuContext &context, bool entryOrderShown, bool noSecondaryShown, bool isDown2)
{
    QList<MenuEntry> directions = directionItems(isDown2);
    if (SortChange::bothTextLike(context.sort, context.fields)) {
        // The secondary follows the primary's direction: only the current one stays.
        for (MenuEntry &item : directions)
            item.enabled = item.checked;
    }
    return {
        MenuEntry::submenu(tr("&Secondary Sort Field"),
            fieldItems(context, noneText(), context.sort.secondary, context.sort.primary),
            !entryOrderShown),
        MenuEntry::submenu(
            tr("Sort &Direction"), directions, !entryOrderShown && !noSecondaryShown),
        MenuEntry::separator(),
        helpItem(),
    };
}

QList<MenuEntry> SortMenus::filterMenu(FilterScope scope, const QStringList &templateNames)
{
    QList<MenuEntry> items;
    for (FilterScope each :
        { FilterScope::AllRecords, FilterScope::NormalFilter, FilterScope::ReversedFilter }) {
        items.append(
            MenuEntry::item(Role::Scope, filterScopeCaption(each), int(each), each != scope));
    }
    items.append(MenuEntry::separator());
    items.append(MenuEntry::submenu(
        tr("&Load From Template"), templateItems(Role::LoadTemplate, templateNames)));
    items.append(MenuEntry::item(Role::SaveTemplate, tr("&Save As Template")));
    items.append(MenuEntry::submenu(
        tr("&Delete Template"), templateItems(Role::DeleteTemplate, templateNames)));
    items.append(MenuEntry::separator());
    items.append(helpItem());
    return items;
}

} // namespace zendrova
