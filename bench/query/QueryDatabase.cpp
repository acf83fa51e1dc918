#include "QueryDatabase.h"

#include "GeneratedCards.h"
#include "query/TFilter.h"
#include "store/RecordTableSort.h"

#include <stdexcept>

namespace zendrova::bench {

QueryDatabase &QueryDatabase::instance()
{
    static QueryDatabase database;
    return database;
}

QueryDatabase::QueryDatabase()
    : m_state(m_dir.path())
    , m_store(m_state)
{
    m_tablePath = generateCardsSortedByName(m_state, kCards);
    if (!m_store.openDatabase())
        throw std::runtime_error("the generated database did not open");
    // The template brings Entry Order and card name; the sort adds the rest
    // as a user choosing these sorts and filter scopes would.
    const bool added = addTag(kSport, 0, false) && addTag(kYear, 0, false)
        && addTag(kCardName, 0, true) && addTag(kSport, 0, true) && sortByName();
    if (!added)
        throw std::runtime_error("a tag could not be added");
}

QueryDatabase::~QueryDatabase()
{
    m_store.closeAll();
}

bool QueryDatabase::addTag(uint8_t primary, uint8_t secondary, bool filtered)
{
    SortDescriptor &descriptor = m_store.sortOrder().descriptor;
    descriptor.sort = SortBytes { primary, false, secondary, false };
    descriptor.filtered = filtered;
    return m_store.sortOrder().applySort(m_store.sortTarget());
}

bool QueryDatabase::sortByName()
{
    return addTag(kCardName, 0, false);
}

int QueryDatabase::tagCount()
{
    m_store.sortTarget().refreshIndexDefinitions();
    return static_cast<int>(m_store.sortTarget().indexDefinitions().size());
}

void setThreeConditions(TFilterList &filter, const QString &sport)
{
    filter.clear();
    filter.add(kSport);
    filter.add(kYear);
    filter.add(kPurchasePrice);
    const auto is = [](FilterCondition c) { return static_cast<std::uint8_t>(c); };
    filter.storeCondition(0, sport, QString(), FilterKind::Text, is(FilterCondition::Equal));
    filter.storeCondition(1, QStringLiteral("1980"), QStringLiteral("1995"), FilterKind::Text,
        is(FilterCondition::Between));
    filter.storeCondition(
        2, QStringLiteral("10"), QString(), FilterKind::Number, is(FilterCondition::Greater));
}

} // namespace zendrova::bench
