#pragma once

#include "store/ListEditor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

namespace zendrova {

class AppState;
class TEditMenu;
class TLookup;

// The work behind the lookup edit menu's "&Edit List..." and "Auto-F&ill":
// the Edit Lists window on the combo's list (every lookup reloads after it),
// and switching the auto-fill option.
class LookupMenuActions : public QObject
{
    Q_OBJECT
public:
    // setup gives the window's lists and record table at the time it opens.
    LookupMenuActions(TEditMenu &menu, AppState &state, std::function<ListEditorSetup()> setup,
                      QObject *parent = nullptr);

    // The card's lookup combos in field order.
    void setLookups(const QList<TLookup *> &lookups);
    void editList(QWidget *component);
    void toggleAutoFill();
    void reloadLookups();

private:
    AppState &m_state;
    std::function<ListEditorSetup()> m_setup;
    QList<QPointer<TLookup>> m_lookups;
};

} // namespace zendrova
