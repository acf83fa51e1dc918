#pragma once

#include "store/LookupItems.h"
#include "store/LookupList.h"

#include <QComboBox>
#include <QPointer>
#include <memory>

namespace zendrova {

class AppState;

// A lookup field of the record card: a combo with free text whose drop-down
// holds the items of its list table ("list1.dbf" ... in the database folder).
// Typed text can complete from the items (auto-fill); a text that is no item
// is added to the list when the combo is left or destroyed.
class TLookup : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QString Source READ source WRITE setSource)
    Q_PROPERTY(zendrova::TLookup *Twin READ twin WRITE setTwin)
    Q_PROPERTY(bool AskUser READ askUser WRITE setAskUser)
public:
    // The state gives the database and install folders and the auto-fill option.
    explicit TLookup(const AppState &state, QWidget *parent = nullptr);
    ~TLookup() override;

    const QString &source() const { return m_source; }
    // Opens the list (creating it from the template when it is missing) and loads the items.
    void setSource(const QString &source);
    TLookup *twin() const { return m_twin; }
    // Another combo on the same list, reloaded whenever this one stores a value.
    void setTwin(TLookup *twin) { m_twin = twin; }
    // Kept with the control; new values are added in either case.
    bool askUser() const { return m_askUser; }
    void setAskUser(bool askUser) { m_askUser = askUser; }

    // Clears the items and reads them from the list again; the text stays.
    void reload();
    // Adds the current text to the items and the list table (quietly).
    void addCurrentText();
    // What leaving the combo does: a text that is no item yet is added.
    void keepTypedItem();
    const LookupItems &items() const { return m_items; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openList();
    bool loadItems();
    bool autoFill(QKeyEvent *event);
    void showItems();
    // Not empty and not yet an item.
    bool isNew(const QString &text) const;
    // Adds text to the list table; no message on failure.
    bool store(const QString &text);

    const AppState &m_state;
    QString m_source;
    QPointer<TLookup> m_twin;
    bool m_askUser = true;
    LookupItems m_items;
    // The combo's own table object on its list, made afresh for the current
    // database folder whenever the items are loaded.
    std::unique_ptr<LookupList> m_list;
};

} // namespace zendrova
