#include "store/ui/LookupMenuActions.h"

#include "common/ui/TEditMenu.h"
#include "common/AppState.h"
#include "store/ui/TListDlg.h"
#include "store/ui/TLookup.h"

namespace zendrova {

LookupMenuActions::LookupMenuActions(TEditMenu &menu, AppState &state,
                                     std::function<ListEditorSetup()> setup, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_setup(std::move(setup))
{
    menu.setAutoFillSource([&state] { return state.userOptions.autoFill; });
    connect(&menu, &TEditMenu::OnEditList, this, &LookupMenuActions::editList);
    connect(&menu, &TEditMenu::OnAutoFill, this, &LookupMenuActions::toggleAutoFill);
}

void LookupMenuActions::setLookups(const QList<TLookup *> &lookups)
{
    m_lookups.clear();
    for (TLookup *lookup : lookups)
        m_lookups << lookup;
}

void LookupMenuActions::editList(QWidget *component)
{
    int preselected = 0;
    for (int i = 0; i < m_lookups.size(); ++i)
        if (m_lookups[i] == component)
            preselected = i;
    TListDlg dialog(m_setup(), preselected, component ? component->window() : nullptr);
    dialog.exec();
    reloadLookups();
}

void LookupMenuActions::toggleAutoFill()
{
    m_state.userOptions.autoFill = !m_state.userOptions.autoFill;
}

void LookupMenuActions::reloadLookups()
{
    for (const QPointer<TLookup> &lookup : std::as_const(m_lookups))
        if (lookup)
            lookup->reload();
}

} // namespace zendrova
