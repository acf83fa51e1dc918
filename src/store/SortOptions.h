#pragma once

#include "store/FieldModel.h"
#include "store/SortBytes.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace zendrova {

// The state and rules of the Sort Options dialog: two field lists, two
// directions (0 Ascending, 1 Descending) and whether the second direction may
// be chosen. Every change re-applies the rules.
class SortOptions
{
    Q_DECLARE_TR_FUNCTIONS(SortOptions)

public:
    static constexpr int kHelpContext = 22;

    SortOptions(const QStringList &captions, const FieldModel &fields);

    // "Entry Order" / "NONE" followed by the captions of the fields that are
    // neither memo nor picture.
    QStringList primaryItems() const;
    QStringList secondaryItems() const;

    // Sets everything from the descriptor's choice.
    void show(const SortBytes &sort);
    void setPrimaryIndex(int index);
    void setSecondaryIndex(int index);
    void setPrimaryOrder(int order);
    void setSecondaryOrder(int order);

    int primaryIndex() const { return m_primaryIndex; }
    int secondaryIndex() const { return m_secondaryIndex; }
    int primaryOrder() const { return m_primaryOrder; }
    int secondaryOrder() const { return m_secondaryOrder; }
    bool secondaryOrderEnabled() const { return m_secondaryOrderEnabled; }

    // The field position of a list index (0 for the first item).
    int positionOf(int index) const;
    SortBytes result() const;

private:
    int indexOf(int position) const;
    void applyRules();

    QStringList m_captions;
    FieldModel m_fields;
    QList<int> m_positions; // list index → field position
    int m_primaryIndex = 0;
    int m_secondaryIndex = 0;
    int m_primaryOrder = 0;
    int m_secondaryOrder = 0;
    bool m_secondaryOrderEnabled = false;
};

} // namespace zendrova
