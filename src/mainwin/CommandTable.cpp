#include "mainwin/CommandTable.h"

namespace zendrova {

namespace {

#define T(text) QT_TRANSLATE_NOOP("CommandTable", text)

using C = MainCommand;
using M = TopMenu;
using P = SpeedBarPage;

// clang-format off
const QList<CommandEntry> kEntries {
    { C::NewRecord, M::File, "New1", T("&New Record"), P::Standard, "B_New", T("New"),
      T("Add a New Record"), false, false },
    { C::LoadDatabase, M::File, "Load1", T("&Load Database"), P::Standard, "B_Load", T("Load"),
      T("Load Another Database"), true, true },
    { C::Print, M::File, "Print1", T("&Print"), P::Standard, "B_Print", T("Print"),
      T("Print Reports and Labels"), true, false },
    { C::Exit, M::File, "Exit1", T("&Exit"), P::Standard, "B_Exit", T("Exit"),
      T("Exit the Program"), false, true },
    { C::Find, M::Search, "Find1", T("&Find"), P::Standard, "B_Search", T("Find"),
      T("Find a Record"), false, false },
    { C::Options, M::Options, "Options1", T("&Options"), P::Standard, "B_Options", T("Options"),
      T("Change the Program Options"), true, true },
    { C::FirstPage, M::Move, "First1", T("&First"), P::None, nullptr, nullptr,
      T("Show the First Page of Records"), false, false },
    { C::PageUp, M::Move, "PageUp1", T("Page&Up"), P::None, nullptr, nullptr,
      T("Show the Previous Page of Records"), false, false },
    { C::PageDown, M::Move, "PageDown1", T("Page&Down"), P::None, nullptr, nullptr,
      T("Show the Next Page of Records"), false, false },
    { C::LastPage, M::Move, "Last1", T("&Last"), P::None, nullptr, nullptr,
      T("Show the Last Page of Records"), false, false },
    { C::PreviousRecord, M::Move, "Previous1", T("&Previous"), P::None, nullptr, nullptr,
      T("Show the Previous Record"), false, false },
    { C::NextRecord, M::Move, "Next1", T("&Next"), P::None, nullptr, nullptr,
      T("Show the Next Record"), false, false },
    { C::Export, M::Advanced, "Export1", T("&Export"), P::Advanced, "B_Export", T("Export"),
      T("Export Records to a File"), true, true },
    { C::Import, M::Advanced, "Import1", T("&Import"), P::Advanced, "B_Import", T("Import"),
      T("Import Records from a File"), true, true },
    { C::Password, M::Advanced, "Password1", T("&Password"), P::Advanced, "B_Password",
      T("Password"), T("Change Passwords and Users"), false, true },
    { C::Maintenance, M::Advanced, "Maintenance1", T("&Maintenance"), P::Advanced,
      "B_Maintenance", T("Maintenance"), T("Maintain the Database"), true, false },
    { C::Filter, M::Advanced, "Filter1", T("&Filter"), P::Advanced, "B_Filter", T("Filter"),
      T("Filter the Records"), true, false },
    { C::Sort, M::Advanced, "Sort1", T("&Sort"), P::Advanced, "B_Sort", T("Sort"),
      T("Sort the Records"), true, true },
    { C::Summary, M::Advanced, "Summary1", T("S&ummary"), P::Advanced, "B_Summary",
      T("Summary"), T("Summarize the Records"), false, false },
    { C::HelpContents, M::Help, "Help2", T("&Help Contents"), P::Standard, "B_Help", T("Help"),
      T("Show the Help Contents"), false, true },
    { C::Tips, M::Help, "DisplayHints1", T("&Tips"), P::None, nullptr, nullptr,
      T("Display the Tips"), false, true },
    { C::About, M::Help, "About1", T("&About"), P::Standard, "B_About", T("About"),
      T("About the Program"), false, true },
};

const QList<TopMenuEntry> kTopMenus {
    { M::File, "File1", T("&File") },
    { M::Search, "Search1", T("&Search") },
    { M::Options, "Options1", T("&Options") },
    { M::Move, "Move1", T("&Move") },
    { M::Advanced, "Advanced1", T("&Advanced") },
    { M::Help, "Help1", T("&Help") },
};

// Tab order of the buttons, which is not the menu order.
const QList<MainCommand> kStandardButtons { C::Find, C::Options, C::Print, C::NewRecord,
    C::LoadDatabase, C::About, C::HelpContents, C::Exit };
const QList<MainCommand> kAdvancedButtons { C::Export, C::Import, C::Password, C::Maintenance,
    C::Filter, C::Sort, C::Summary };
// clang-format on

#undef T

QString translated(const char *text)
{
    return text ? QCoreApplication::translate("CommandTable", text) : QString();
}

} // namespace

CommandTable::CommandTable(QObject *parent)
    : QObject(parent)
{
    for (const CommandEntry &entry : kEntries) {
        if (entry.builtNow)
            m_available.insert(int(entry.command));
    }
}

const QList<CommandEntry> &CommandTable::entries()
{
    return kEntries;
}

const CommandEntry *CommandTable::find(MainCommand command)
{
    for (const CommandEntry &entry : kEntries) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

const QList<TopMenuEntry> &CommandTable::topMenus()
{
    return kTopMenus;
}

QList<CommandEntry> CommandTable::itemsOf(TopMenu menu)
{
    QList<CommandEntry> items;
    for (const CommandEntry &entry : kEntries) {
        if (entry.menu == menu && entry.menuItemName)
            items.append(entry);
    }
    return items;
}

QList<CommandEntry> CommandTable::buttonsOf(SpeedBarPage page)
{
    const QList<MainCommand> &order
        = page == SpeedBarPage::Standard ? kStandardButtons : kAdvancedButtons;
    QList<CommandEntry> buttons;
    if (page == SpeedBarPage::None)
        return buttons;
    for (MainCommand command : order)
        buttons.append(*find(command));
    return buttons;
}

QString CommandTable::menuCaption(const CommandEntry &entry)
{
    return translated(entry.menuCaption);
}

QString CommandTable::buttonCaption(const CommandEntry &entry)
{
    return translated(entry.buttonCaption);
}

QString CommandTable::hint(const CommandEntry &entry)
{
    return translated(entry.hint);
}

QString CommandTable::topMenuCaption(const TopMenuEntry &entry)
{
    return translated(entry.caption);
}

bool CommandTable::leavesRecord(MainCommand command)
{
    const CommandEntry *entry = find(command);
    return entry && entry->leavesRecord;
}

bool CommandTable::available(MainCommand command) const
{
    return m_available.contains(int(command));
}

void CommandTable::setAvailable(MainCommand command, bool on)
{
    if (available(command) == on)
        return;
    if (on)
        m_available.insert(int(command));
    else
        m_available.remove(int(command));
    emit availabilityChanged(command, on);
}

} // namespace zendrova
