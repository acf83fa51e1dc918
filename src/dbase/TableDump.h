#pragma once

#include <ostream>
#include <string>

namespace dbase {

// Text views of a table for dbtool: header and fields; records as
// tab-separated lines (memo and picture values shown by size, deleted
// records marked with "*").
void dumpInfo(const std::string &dbfPath, std::ostream &out);
void dumpRecords(const std::string &dbfPath, std::ostream &out);

} // namespace dbase
