#pragma once

// Inside the store only: the engine behind the store's table objects, and its
// errors turned into the store's. Nothing above the store includes this.
#include "dbase/Error.h"
#include "dbase/KeyBuffer.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"
#include "store/StoreError.h"
#include "store/StoreTable.h"

#include <utility>

namespace zendrova {

struct StoreTable::Engine
{
    dbase::Table table;
};

struct EngineAccess
{
    static dbase::Table &of(StoreTable &table) { return table.m_engine->table; }
    static const dbase::Table &of(const StoreTable &table) { return table.m_engine->table; }
};

inline dbase::Table &engineOf(StoreTable &table)
{
    return EngineAccess::of(table);
}

inline const dbase::Table &engineOf(const StoreTable &table)
{
    return EngineAccess::of(table);
}

StoreErrorKind storeErrorKindOf(dbase::ErrorKind kind);
StoreError storeErrorOf(const dbase::Error &error);

// Runs work, raising what the engine raises as the store's error.
template <class Work>
decltype(auto) translated(Work &&work)
{
    try {
        return std::forward<Work>(work)();
    } catch (const dbase::Error &error) {
        throw storeErrorOf(error);
    }
}

} // namespace zendrova
