#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zendrova::bench {

// The baseline: the same cards in an SQLite table with six indexes, two of
// them led by the filter mark, as a general database would keep them.
class SqliteCards
{
public:
    // Copies the record table at tablePath into folder/cards.db.
    SqliteCards(const std::string &tablePath, const std::filesystem::path &folder);
    ~SqliteCards();
    SqliteCards(const SqliteCards &) = delete;
    SqliteCards &operator=(const SqliteCards &) = delete;

    // Rewrites the mark of every row for the three conditions with sport, in
    // one transaction.
    void markAll(const std::string &sport);
    // Marks the rows holding the text in any text column, in one transaction.
    void markContaining(const std::string &text);
    // The rows marked "2".
    int passing();

private:
    void exec(const char *sql);
    void check(int code, const char *what);
    void copyCards(const std::string &tablePath);
    void readTextColumns(const std::string &tablePath);
    void prepare(const char *sql, sqlite3_stmt **statement);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_mark = nullptr;
    sqlite3_stmt *m_markLike = nullptr;
    std::vector<int> m_textColumns;
};

} // namespace zendrova::bench
