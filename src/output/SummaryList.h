#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace zendrova {

// One group of the summary: the records whose key matched, and what their
// purchase prices and current values add up to.
struct TSummaryRec
{
    QString key;
    int count = 0;
    double purchasePrice = 0.0;
    double currentValue = 0.0;

    double gainOrLoss() const { return currentValue - purchasePrice; }
};

enum class SummaryOrder { Name = 0, Value = 1 };

// The groups of one count, in the order last chosen. Keys are matched without
// regard to letter case and keep the spelling they were first seen with.
class SummaryList
{
public:
    void clear();
    bool isEmpty() const { return m_groups.empty(); }
    int size() const { return int(m_groups.size()); }
    const std::vector<TSummaryRec> &groups() const { return m_groups; }
    const TSummaryRec &at(int index) const { return m_groups.at(size_t(index)); }

    // Counts one record under key, appending the group at the end when it is new.
    void add(const QString &key, double purchasePrice = 0.0, double currentValue = 0.0);

    // Name: alphabetical without regard to case. Value: largest count first,
    // each entry of the current order going before the first entry whose count
    // is not greater than its own, so among equal counts the later one leads.
    void sort(SummaryOrder order);

    int total() const;
    double totalPurchasePrice() const;
    double totalCurrentValue() const;
    double totalGainOrLoss() const { return totalCurrentValue() - totalPurchasePrice(); }

    QStringList keys() const;
    // Each count as decimal text.
    QStringList countTexts() const;
    // Each count's share of the total in percent, one decimal.
    QStringList percentTexts() const;
    static QString percentText(int count, int total);

private:
    void reindex();

    std::vector<TSummaryRec> m_groups;
    // Case-folded key -> index into m_groups.
    QHash<QString, int> m_index;
    // The last key added and its index: runs of one value need no folding.
    QString m_lastKey;
    int m_lastIndex = -1;
};

} // namespace zendrova
