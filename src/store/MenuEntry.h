#pragma once

#include <QList>
#include <QString>

namespace zendrova {

// One item of a popup menu as the logic decides it; the widget turns the list
// into a menu on every popup.
struct MenuEntry
{
    enum class Role {
        Separator,
        Submenu,
        Field, // Tag: 0 first item, k the k-th caption
        Direction, // Tag: 0 Ascending, 1 Descending
        Scope, // Tag: the filter scope
        LoadTemplate, // Tag: index in the template list
        SaveTemplate,
        DeleteTemplate, // Tag: index in the template list
        Help,
    };

    Role role = Role::Separator;
    QString text;
    int tag = 0;
    bool enabled = true;
    bool checked = false;
    QList<MenuEntry> items; // of a submenu

    static MenuEntry separator() { return {}; }
    static MenuEntry submenu(const QString &text, QList<MenuEntry> items, bool enabled = true)
    {
        return { Role::Submenu, text, 0, enabled, false, std::move(items) };
    }
    static MenuEntry item(
        Role role, const QString &text, int tag = 0, bool enabled = true, bool checked = false)
    {
        return { role, text, tag, enabled, checked, {} };
    }
};

} // namespace zendrova
