#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace zendrova {

class AppState;
class LookupMenuActions;
class TEditMenu;
class TLookup;

// The popup menus of the card's fields: the field menu of the one-line edits,
// the memo's own menu and the lookup menu with "&Edit List..." and "Auto-F&ill".
// Date fields and pictures bring their own.
class RecordCardMenus : public QObject
{
    Q_OBJECT
public:
    RecordCardMenus(AppState &state, QWidget *owner);

    // A one-line edit without a menu of its own.
    void attachFieldMenu(QWidget *edit);
    void attachMemoMenu(QWidget *memo);
    // lookups: the card's lookups in field order.
    void attachLookupMenu(const QList<TLookup *> &lookups);

    TEditMenu *fieldMenu() const { return m_fieldMenu; }
    TEditMenu *memoMenu() const { return m_memoMenu; }
    TEditMenu *lookupMenu() const { return m_lookupMenu; }
    // The Edit Lists window and reloading the lookups' lists.
    LookupMenuActions *lookupActions() const { return m_lookupActions; }

signals:
    void fontRequested(QWidget *control);
    void colorRequested(QWidget *control);

private:
    TEditMenu *createMenu(int variant, const char *name, QWidget *owner);
    void popUpOn(TEditMenu *menu, QWidget *control, QWidget *source);

    TEditMenu *m_fieldMenu;
    TEditMenu *m_memoMenu;
    TEditMenu *m_lookupMenu;
    LookupMenuActions *m_lookupActions;
};

} // namespace zendrova
