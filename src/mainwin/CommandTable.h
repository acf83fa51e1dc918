#pragma once

#include "mainwin/MainCommand.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

namespace zendrova {

// The main menu's drop-down menus; Options is an item of the bar itself.
enum class TopMenu { None, File, Search, Options, Move, Advanced, Help };

// The two pages of the speed bar.
enum class SpeedBarPage { None, Standard, Advanced };

// One command as the menu and the speed bar show it. Texts are untranslated
// sources; the accessors below translate them.
struct CommandEntry
{
    MainCommand command = MainCommand::None;
    TopMenu menu = TopMenu::None;
    const char *menuItemName = nullptr; // nullptr: no menu item
    const char *menuCaption = nullptr;
    SpeedBarPage page = SpeedBarPage::None;
    const char *buttonName = nullptr; // nullptr: no speed bar button
    const char *buttonCaption = nullptr;
    const char *hint = nullptr;
    bool leavesRecord = false; // the command may reopen tables
    bool builtNow = false;
};

struct TopMenuEntry
{
    TopMenu menu = TopMenu::None;
    const char *objectName = nullptr;
    const char *caption = nullptr;
};

// The commands of the main menu and the speed bars, and which of them can run
// now. Menus and speed bars both read it, so an item and its button agree.
class CommandTable : public QObject
{
    Q_OBJECT

public:
    explicit CommandTable(QObject *parent = nullptr);

    // Every command with a menu item or a button, in menu order.
    static const QList<CommandEntry> &entries();
    static const CommandEntry *find(MainCommand command);
    // The bar's menus in their order (Options included, as a plain item).
    static const QList<TopMenuEntry> &topMenus();
    static QList<CommandEntry> itemsOf(TopMenu menu);
    // The buttons of a page in tab order.
    static QList<CommandEntry> buttonsOf(SpeedBarPage page);

    static QString menuCaption(const CommandEntry &entry);
    static QString buttonCaption(const CommandEntry &entry);
    static QString hint(const CommandEntry &entry);
    static QString topMenuCaption(const TopMenuEntry &entry);
    // Whether running it first leaves the current record (and does nothing
    // when the record cannot be left).
    static bool leavesRecord(MainCommand command);

    // Whether the command may run now: at first the commands already built.
    bool available(MainCommand command) const;
    void setAvailable(MainCommand command, bool on);

signals:
    void availabilityChanged(MainCommand command, bool available);

private:
    QSet<int> m_available;
};

} // namespace zendrova
