#pragma once

#include "output/SummaryList.h"
#include "store/FilterScope.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace zendrova {

class FieldModel;

// The Summary dialog without its widgets: which fields can be chosen, the
// count of the chosen one, its order, the texts of the grid and the total,
// and whether there is anything to graph or print.
class SummaryDialogModel
{
    Q_DECLARE_TR_FUNCTIONS(SummaryDialogModel)

public:
    static constexpr int kHelpContext = 115;
    // Columns of the grid: key, count, percent, then the value columns.
    static constexpr int kCountColumns = 3;
    static constexpr int kValueColumns = 3;

    static QString emptyListText();
    static QString titleFor(const QString &caption);

    // captions: the caption list in field-number order; fields: the record
    // table's fields, which decide what can be counted.
    SummaryDialogModel(const QStringList &captions, const FieldModel &fields);

    // The captions of every field that is neither memo nor picture, in
    // caption-list order.
    const QStringList &fieldItems() const { return m_items; }
    // The record table position of fieldItems()[index], or -1.
    int positionOf(int index) const;

    // Chooses the field of fieldItems()[index] and takes its count.
    void choose(int index, SummaryList list);
    // Chooses it and counts the table at folder/fileName under the scope; a
    // table that cannot be read is told to the user and leaves the list empty.
    bool count(int index, const QString &folder, const QString &fileName, FilterScope scope);
    bool chosen() const { return m_chosen >= 0; }
    QString chosenCaption() const;
    int chosenPosition() const { return positionOf(m_chosen); }

    void setOrder(SummaryOrder order);
    SummaryOrder order() const { return m_order; }
    void setValuesShown(bool shown) { m_valuesShown = shown; }
    bool valuesShown() const { return m_valuesShown; }

    const SummaryList &list() const { return m_list; }
    int columnCount() const { return m_valuesShown ? kCountColumns + kValueColumns : kCountColumns; }
    // The header row: the chosen caption (empty before one is chosen),
    // "Count", "   %", then the value columns' captions.
    QStringList headers() const;
    // The cells of the row of the index-th group.
    QStringList row(int index) const;
    QString totalText() const;
    // The value columns' totals; empty when they are not shown.
    QStringList valueTotals() const;

    // The grid rows needed: never fewer than before, one per group plus the header.
    int gridRowCount(int current) const;

    // False (after telling the user) when there is nothing to graph or print.
    bool checkNotEmpty() const;

    static QString moneyText(double value);

private:
    QStringList m_captions;
    QStringList m_items;
    std::vector<int> m_itemFields;
    int m_chosen = -1;
    SummaryOrder m_order = SummaryOrder::Name;
    bool m_valuesShown = false;
    SummaryList m_list;
};

} // namespace zendrova
