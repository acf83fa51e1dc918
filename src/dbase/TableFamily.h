#pragma once

#include <optional>
#include <string>

namespace dbase {

// The files of one table: the .DBF, its memo file (.DBT) and its production
// index (.MDX). Every operation takes the .DBF path; the other two are found
// beside it without regard to case.
class TableFamily
{
public:
    struct Files
    {
        std::string dbf;
        std::optional<std::string> dbt;
        std::optional<std::string> mdx;
    };

    // The family's existing files; nullopt when the .DBF does not exist.
    static std::optional<Files> find(const std::string &dbfPath);
    static bool exists(const std::string &dbfPath) { return find(dbfPath).has_value(); }

    // Copies the whole family to target, replacing any family there. The
    // target's production-index flag tells whether an .MDX came along.
    static void copy(const std::string &source, const std::string &target);
    // Moves every member to the new base name; AlreadyExists when it is taken.
    static void rename(const std::string &from, const std::string &to);
    // Deletes every member; a missing family is no error.
    static void remove(const std::string &dbfPath);
    // Drops every record; the index keeps its tags, now empty.
    static void empty(const std::string &dbfPath);
    // Removes deleted records and frees their memo blocks; the other records
    // keep their order and the index's tags are rebuilt for them. Returns the
    // number of records kept.
    static uint32_t pack(const std::string &dbfPath);
    // Sets byte 28 of the .DBF to whether an .MDX lies beside it.
    static void syncProductionFlag(const std::string &dbfPath);
};

} // namespace dbase
