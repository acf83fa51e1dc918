#pragma once

#include "dbase/RecordView.h"

#include <string>
#include <vector>

namespace dbase {

// The field model of the program's template tables, kept in one place so the
// engine's tool and the program build the same tables.
namespace layout {

constexpr int kLookupWidth = 30;
constexpr int kFirstUserPosition = 2;

// "data.dbf": record number, filter mark, then user fields 1 ... 21.
std::vector<FieldInfo> cardTableFields();
// "master.dbf": file name, database name, description, record counter.
std::vector<FieldInfo> catalogFields();
// "list.dbf": one lookup value.
std::vector<FieldInfo> lookupListFields();

// Writes "data.dbf" (with its memo file and "DATA.MDX": tags IDX0 entry order, IDX1
// card name), "master.dbf" (tag IDX0 on the file name), "list.dbf" (tag IDX on
// its item) and the starter lists (the same, with their items) into folder.
void writeTemplateTables(const std::string &folder);

} // namespace layout
} // namespace dbase
