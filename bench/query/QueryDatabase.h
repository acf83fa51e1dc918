#pragma once

#include "common/AppState.h"
#include "query/TFilterList.h"
#include "store/RecordStore.h"

#include <QTemporaryDir>

#include <cstdint>
#include <string>

namespace zendrova::bench {

constexpr uint32_t kCards = 100000;

// Record table positions the benchmarks read, filter and edit.
enum CardPosition : uint8_t {
    kCardName = 2,
    kSport = 3,
    kYear = 8,
    kPurchasePrice = 11,
};

// 100,000 generated cards in a database folder of their own, opened by a
// store sorted by card name, with the program's six tags on the record table:
// Entry Order, card name, sport, year, and the filtered card name and sport
// keys that lead with the filter mark. Built once a run.
class QueryDatabase
{
public:
    static QueryDatabase &instance();

    AppState &state() { return m_state; }
    RecordStore &store() { return m_store; }
    std::string tablePath() const { return m_tablePath; }
    // The tags of the record table, as the store's sort sees them.
    int tagCount();
    // Shows the records sorted by card name again (applying the filter walks
    // them in entry order).
    bool sortByName();

    ~QueryDatabase();
    QueryDatabase(const QueryDatabase &) = delete;
    QueryDatabase &operator=(const QueryDatabase &) = delete;

private:
    QueryDatabase();
    bool addTag(uint8_t primary, uint8_t secondary, bool filtered);

    QTemporaryDir m_dir;
    AppState m_state;
    std::string m_tablePath;
    RecordStore m_store;
};

// The three conditions: Sport = sport, Year Between 1980 and 1995, Purchase
// Price > 10.
void setThreeConditions(TFilterList &filter, const QString &sport);

} // namespace zendrova::bench
