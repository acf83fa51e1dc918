#pragma once

#include "dbase/Table.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Helpers shared by the table and memo fuzzers.
namespace fuzzfiles {

// A per-process scratch folder (in memory where possible).
const std::string &folder();
void writeBytes(const std::string &path, const uint8_t *data, size_t size);
// Opens the table and reads every field of every record; engine errors are expected.
void readEverything(const std::string &dbfPath);

} // namespace fuzzfiles
