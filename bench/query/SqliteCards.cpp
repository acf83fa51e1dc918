#include "SqliteCards.h"

#include "QueryDatabase.h"

#include "dbase/Table.h"

#include <cstdlib>
#include <stdexcept>

namespace zendrova::bench {

namespace {

constexpr const char *kIndexes[] = {
    "CREATE INDEX entry_order ON cards(recno)",
    "CREATE INDEX by_name ON cards(upper(name))",
    "CREATE INDEX by_sport ON cards(sport)",
    "CREATE INDEX by_year ON cards(year)",
    "CREATE INDEX filtered_name ON cards(mark, upper(name))",
    "CREATE INDEX filtered_sport ON cards(mark, sport)",
};

constexpr int kRecordNumber = 0;

} // namespace

SqliteCards::SqliteCards(const std::string &tablePath, const std::filesystem::path &folder)
{
    check(sqlite3_open((folder / "cards.db").c_str(), &m_db), "open");
    // Neither side forces data to the disk: the record table writes through the page cache too.
    exec("PRAGMA synchronous=OFF");
    readTextColumns(tablePath);
    std::string create = "CREATE TABLE cards(recno INTEGER, mark TEXT, name TEXT, sport TEXT,"
                         " year INTEGER, price REAL";
    std::string anyLike = "name LIKE ?1 OR sport LIKE ?1";
    for (int position : m_textColumns) {
        create += ", t" + std::to_string(position) + " TEXT";
        anyLike += " OR t" + std::to_string(position) + " LIKE ?1";
    }
    exec((create + ")").c_str());
    copyCards(tablePath);
    for (const char *index : kIndexes)
        exec(index);
    prepare(
        // The filter's Between leaves out both ends.
        "UPDATE cards SET mark = CASE WHEN sport = ?1 AND year > 1980 AND year < 1995"
        " AND price > 10 THEN '2' ELSE '0' END",
        &m_mark);
    prepare(("UPDATE cards SET mark = CASE WHEN " + anyLike + " THEN '2' ELSE '0' END").c_str(),
        &m_markLike);
}

SqliteCards::~SqliteCards()
{
    sqlite3_finalize(m_mark);
    sqlite3_finalize(m_markLike);
    sqlite3_close(m_db);
}

void SqliteCards::prepare(const char *sql, sqlite3_stmt **statement)
{
    check(sqlite3_prepare_v2(m_db, sql, -1, statement, nullptr), sql);
}

// Every text and memo field besides the name and sport columns.
void SqliteCards::readTextColumns(const std::string &tablePath)
{
    dbase::Table table;
    table.open(tablePath, false);
    for (int position = kCardName; position < table.fieldCount(); ++position) {
        const dbase::FieldKind kind = table.fieldKind(position);
        if ((kind == dbase::FieldKind::Text || kind == dbase::FieldKind::Memo)
            && position != kCardName && position != kSport)
            m_textColumns.push_back(position);
    }
}

void SqliteCards::copyCards(const std::string &tablePath)
{
    dbase::Table table;
    table.open(tablePath, false);
    sqlite3_stmt *insert = nullptr;
    std::string sql = "INSERT INTO cards VALUES(?,?,?,?,?,?";
    for (size_t i = 0; i < m_textColumns.size(); ++i)
        sql += ",?";
    prepare((sql + ")").c_str(), &insert);
    exec("BEGIN");
    for (table.first(); !table.eof(); table.next()) {
        const std::string name = table.asString(kCardName);
        const std::string sport = table.asString(kSport);
        sqlite3_bind_int64(insert, 1, table.asInteger(kRecordNumber));
        sqlite3_bind_text(insert, 2, "2", 1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 3, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, sport.data(), static_cast<int>(sport.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 5, std::atoi(table.asString(kYear).c_str()));
        sqlite3_bind_double(insert, 6, std::atof(table.asString(kPurchasePrice).c_str()));
        int column = 7;
        for (int position : m_textColumns) {
            const std::string text = table.asString(position);
            sqlite3_bind_text(insert, column++, text.data(), static_cast<int>(text.size()),
                SQLITE_TRANSIENT);
        }
        check(sqlite3_step(insert), "insert");
        sqlite3_reset(insert);
    }
    exec("COMMIT");
    sqlite3_finalize(insert);
    table.close();
}

void SqliteCards::markAll(const std::string &sport)
{
    exec("BEGIN");
    sqlite3_bind_text(m_mark, 1, sport.data(), static_cast<int>(sport.size()), SQLITE_TRANSIENT);
    check(sqlite3_step(m_mark), "update");
    sqlite3_reset(m_mark);
    exec("COMMIT");
}

void SqliteCards::markContaining(const std::string &text)
{
    const std::string pattern = "%" + text + "%";
    exec("BEGIN");
    sqlite3_bind_text(m_markLike, 1, pattern.data(), static_cast<int>(pattern.size()), SQLITE_TRANSIENT);
    check(sqlite3_step(m_markLike), "update");
    sqlite3_reset(m_markLike);
    exec("COMMIT");
}

int SqliteCards::passing()
{
    sqlite3_stmt *count = nullptr;
    check(sqlite3_prepare_v2(m_db, "SELECT COUNT(*) FROM cards WHERE mark = '2'", -1, &count, nullptr),
        "prepare");
    check(sqlite3_step(count), "count");
    const int rows = sqlite3_column_int(count, 0);
    sqlite3_finalize(count);
    return rows;
}

void SqliteCards::exec(const char *sql)
{
    check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), sql);
}

void SqliteCards::check(int code, const char *what)
{
    if (code != SQLITE_OK && code != SQLITE_DONE && code != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(m_db));
}

} // namespace zendrova::bench
