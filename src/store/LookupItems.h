#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zendrova {

// The items of a lookup combo in their displayed (alphabetical) order, and
// the auto-fill rule that completes typed text from them.
class LookupItems
{
public:
    struct Completion
    {
        int index;          // the item chosen
        QString text;       // its text, the combo's new text
        int selectionStart; // the completed part runs from here to the end
    };

    LookupItems() = default;
    explicit LookupItems(const QStringList &items) { assign(items); }

    void assign(const QStringList &items);
    // Inserts in order; returns the item's index.
    int insert(const QString &item);
    bool contains(const QString &item) const { return m_items.contains(item); }
    const QStringList &items() const { return m_items; }
    int size() const { return int(m_items.size()); }

    // The typed character joins the first caret characters of text; the first
    // item that begins with that prefix (case-sensitive) completes it.
    std::optional<Completion> complete(const QString &text, int caret, QChar typed) const;

private:
    QStringList m_items;
};

} // namespace zendrova
