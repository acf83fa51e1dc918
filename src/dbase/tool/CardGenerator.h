#pragma once

#include <cstdint>
#include <string>

namespace dbase::cardgen {

struct GeneratedDatabase
{
    std::string tablePath; // folder/data.dbf
    std::string catalogPath; // folder/master.dbf
    // The record numbers given out, in physical order; none when count is 0.
    int64_t firstNumber = 0;
    int64_t lastNumber = 0;
    // The catalog row's record counter: the last number given out.
    int64_t counter = 1;
};

// Writes a database folder as the program would leave it after count cards were
// typed into a fresh database: the record table "data.dbf" (with its memo file
// and production index, copied from the template tables in templateFolder) and
// the catalog "master.dbf" with one row for it. Records are numbered 2, 3, ...
// (a fresh catalog row starts its counter at 1) and carry the filter mark "2",
// as records stored while no filter is set. Refuses (AlreadyExists) a folder
// that already holds either table; creates the folder when it is missing.
GeneratedDatabase generateCardDatabase(
    const std::string &folder, uint32_t count, uint64_t seed, const std::string &templateFolder);

// The same database written in place of the one the folder holds: generated
// beside it in a scratch folder, then each table's whole family renamed over
// the old one (whose members the new family does not have are removed). Other
// files of the folder stay. Refuses (Locked), changing nothing, while any
// program has either table open, as the running program does.
GeneratedDatabase replaceCardDatabase(
    const std::string &folder, uint32_t count, uint64_t seed, const std::string &templateFolder);

} // namespace dbase::cardgen
