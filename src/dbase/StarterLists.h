#pragma once

#include <string>
#include <vector>

namespace dbase::layout {

// The lookup lists a fresh database folder starts with, so that a new
// collector can pick the common values instead of typing them. Shipped beside
// the template tables as "starter_" + the list's file name.
struct StarterList
{
    std::string listFile; // the list it starts: "list1.dbf" ...
    std::vector<std::string> items;
};

const std::vector<StarterList> &starterLists();
std::string starterFileName(const std::string &listFile);

} // namespace dbase::layout
