#pragma once

#include "common/UserOptions.h"
#include "mainwin/CommandTable.h"
#include "mainwin/InterfaceChoices.h"

#include <QHash>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace zendrova {

// The window's main menu MainMenu1 and its interface popup PopupMenu2. Each
// menu item is an action named after its component; the items tell which
// command or interface choice was picked and leave the doing to the window.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    // options: read each time the popup opens, to check the current choices.
    MainMenus(CommandTable &commands, const UserOptions &options, QWidget *window);

    QMenuBar *menuBar() const { return m_bar; }
    QMenu *interfaceMenu() const { return m_popup; }
    QAction *action(MainCommand command) const { return m_actions.value(int(command)); }
    // Checks the current choice of each group, as when the popup opens.
    void refreshChecks();

signals:
    void commandChosen(MainCommand command);
    void interfaceChosen(InterfaceChoice choice);

private:
    void buildMenuBar();
    QAction *commandAction(const CommandEntry &entry, QObject *parent);
    void buildPopup();
    void refresh(MainCommand command);

    CommandTable &m_commands;
    const UserOptions &m_options;
    QWidget *m_window = nullptr;
    QMenuBar *m_bar = nullptr;
    QMenu *m_popup = nullptr;
    QHash<int, QAction *> m_actions;
    QHash<int, QAction *> m_choiceActions;
};

} // namespace zendrova
