#pragma once

#include "common/AppState.h"
#include "dbase/Table.h"
#include "dbase/tool/CardGenerator.h"
#include "store/SortFile.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zendrova::bench {

constexpr uint8_t kGeneratedCardName = 2;

// Shared by the benchmarks that need realistic cards (they link the card
// generator). Fills the public folder of a state whose program folder is set with count
// generated cards, sorted by card name from the first open on. Returns the
// record table's path.
inline std::string generateCardsSortedByName(AppState &state, uint32_t count)
{
    state.installFolder = QStringLiteral(ZENDROVA_BIN_DIR);
    state.userFolder = state.databaseFolder = state.publicFolder();
    const auto database = dbase::cardgen::generateCardDatabase(
        state.databaseFolder.toStdString(), count, 1, ZENDROVA_BIN_DIR);
    SortBytes byName;
    byName.primary = kGeneratedCardName;
    SortFile::write(state.databaseFolder, state.currentTableFile, byName);
    return database.tablePath;
}

// The baseline of every ratio: one walk over the table reading a field.
inline void scanCardNames(benchmark::State &state, const std::string &tablePath)
{
    dbase::Table table;
    table.open(tablePath, false);
    for (auto _ : state) {
        size_t bytes = 0;
        for (table.first(); !table.eof(); table.next())
            bytes += table.rawValue(kGeneratedCardName).size();
        benchmark::DoNotOptimize(bytes);
    }
}

} // namespace zendrova::bench
