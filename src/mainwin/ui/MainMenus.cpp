#include "mainwin/ui/MainMenus.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace zendrova {

MainMenus::MainMenus(CommandTable &commands, const UserOptions &options, QWidget *window)
    : QObject(window)
    , m_commands(commands)
    , m_options(options)
    , m_window(window)
{
    setObjectName(QStringLiteral("MainMenus"));
    buildMenuBar();
    buildPopup();
    connect(&m_commands, &CommandTable::availabilityChanged, this, &MainMenus::refresh);
}

void MainMenus::buildMenuBar()
{
    m_bar = new QMenuBar(m_window);
    m_bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const TopMenuEntry &top : CommandTable::topMenus()) {
        const QList<CommandEntry> items = CommandTable::itemsOf(top.menu);
        if (top.menu == TopMenu::Options) {
            m_bar->addAction(commandAction(items.constFirst(), m_bar));
            continue;
        }
        QMenu *menu = m_bar->addMenu(CommandTable::topMenuCaption(top));
        menu->setObjectName(QString::fromLatin1(top.objectName));
        menu->menuAction()->setObjectName(QString::fromLatin1(top.objectName));
        menu->setToolTipsVisible(true);
        for (const CommandEntry &entry : items)
            menu->addAction(commandAction(entry, menu));
    }
}

QAction *MainMenus::commandAction(const CommandEntry &entry, QObject *parent)
{
    auto *action = new QAction(CommandTable::menuCaption(entry), parent);
    action->setObjectName(QString::fromLatin1(entry.menuItemName));
    action->setToolTip(CommandTable::hint(entry));
    action->setStatusTip(action->toolTip());
    action->setEnabled(m_commands.available(entry.command));
    const MainCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] {
        if (m_commands.available(command))
            emit commandChosen(command);
    });
    m_actions.insert(int(command), action);
    return action;
}

void MainMenus::buildPopup()
{
    m_popup = new QMenu(m_window);
    m_popup->setObjectName(QStringLiteral("PopupMenu2"));
    QHash<int, QMenu *> submenus;
    QHash<int, QActionGroup *> exclusive;
    for (const InterfaceGroupEntry &group : InterfaceChoices::groups()) {
        QMenu *submenu = m_popup->addMenu(InterfaceChoices::caption(group));
        submenu->setObjectName(QString::fromLatin1(group.objectName));
        submenus.insert(int(group.group), submenu);
        exclusive.insert(int(group.group), new QActionGroup(submenu));
    }
    for (const InterfaceItem &item : InterfaceChoices::items()) {
        QMenu *home = submenus.value(int(item.group), m_popup);
        if (home == m_popup)
            m_popup->addSeparator();
        QAction *action = home->addAction(InterfaceChoices::caption(item));
        action->setObjectName(QString::fromLatin1(item.objectName));
        if (QActionGroup *group = exclusive.value(int(item.group))) {
            action->setCheckable(true);
            group->addAction(action);
        }
        const InterfaceChoice choice = item.choice;
        connect(action, &QAction::triggered, this, [this, choice] { emit interfaceChosen(choice); });
        m_choiceActions.insert(int(choice), action);
    }
    connect(m_popup, &QMenu::aboutToShow, this, &MainMenus::refreshChecks);
}

void MainMenus::refreshChecks()
{
    for (const InterfaceItem &item : InterfaceChoices::items()) {
        QAction *action = m_choiceActions.value(int(item.choice));
        if (action->isCheckable())
            action->setChecked(InterfaceChoices::isCurrent(item.choice, m_options));
    }
}

void MainMenus::refresh(MainCommand command)
{
    if (QAction *found = action(command))
        found->setEnabled(m_commands.available(command));
}

} // namespace zendrova
