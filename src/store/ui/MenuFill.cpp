#include "store/ui/MenuFill.h"

#include <QMenu>

namespace zendrova {

void fillMenu(QMenu *menu, const QList<MenuEntry> &entries,
    const std::function<void(const MenuEntry &)> &chosen)
{
    menu->clear();
    // clear() leaves the submenus of the last popup behind.
    for (QMenu *old : menu->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    for (const MenuEntry &entry : entries) {
        if (entry.role == MenuEntry::Role::Separator) {
            menu->addSeparator();
        } else if (entry.role == MenuEntry::Role::Submenu) {
            QMenu *sub = new QMenu(entry.text, menu);
            fillMenu(sub, entry.items, chosen);
            sub->setEnabled(entry.enabled);
            menu->addMenu(sub);
        } else {
            QAction *action = menu->addAction(entry.text);
            action->setData(entry.tag);
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.checked);
            action->setChecked(entry.checked);
            QObject::connect(action, &QAction::triggered, menu, [chosen, entry] { chosen(entry); });
        }
    }
}

} // namespace zendrova
