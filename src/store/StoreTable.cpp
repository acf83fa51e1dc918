#include "store/StoreTable.h"

#include "common/FileLookup.h"
#include "dbase/Cp1252.h"
#include "store/EngineTable.h"
#include "store/RecordEditor.h"

#include <QFile>

#include <algorithm>

namespace zendrova {

std::string toEnginePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromCp1252(const std::string &text)
{
    return QString::fromStdString(dbase::cp1252ToUtf8(text));
}

std::string toCp1252(const QString &text)
{
    return dbase::utf8ToCp1252(text.toStdString());
}

StoreErrorKind storeErrorKindOf(dbase::ErrorKind kind)
{
    switch (kind) {
    case dbase::ErrorKind::Io:
        return StoreErrorKind::Io;
    case dbase::ErrorKind::NotFound:
        return StoreErrorKind::NotFound;
    case dbase::ErrorKind::AlreadyExists:
        return StoreErrorKind::AlreadyExists;
    case dbase::ErrorKind::Corrupt:
        return StoreErrorKind::Corrupt;
    case dbase::ErrorKind::Locked:
        return StoreErrorKind::Locked;
    case dbase::ErrorKind::Usage:
        return StoreErrorKind::Usage;
    case dbase::ErrorKind::Value:
        break;
    }
    return StoreErrorKind::Value;
}

StoreError storeErrorOf(const dbase::Error &error)
{
    return StoreError(storeErrorKindOf(error.kind()), error.what());
}

StoreTable::StoreTable()
    : m_engine(std::make_unique<Engine>())
{
}

StoreTable::~StoreTable() = default;

std::string StoreTable::enginePath() const
{
    return toEnginePath(joinPath(m_folder, m_fileName));
}

void StoreTable::open()
{
    dbase::Table &table = m_engine->table;
    table.setFolder(toEnginePath(m_folder));
    table.setFileName(toEnginePath(m_fileName));
    table.setExclusive(m_exclusive);
    table.setIndexName(toCp1252(m_indexName));
    m_lastOpenError.reset();
    try {
        table.open();
    } catch (const dbase::Error &error) {
        ++m_failedOpens;
        m_lastOpenError = storeErrorKindOf(error.kind());
        throw storeErrorOf(error);
    }
    std::vector<FieldDescriptor> fields;
    for (const dbase::FieldInfo &field : table.fields())
        fields.push_back({ QString::fromLatin1(field.name), field.type, field.length, field.decimals });
    m_fields = FieldModel(std::move(fields));
    readNumericDecimals();
}

void StoreTable::close()
{
    if (m_engine->table.isOpen())
        translated([&] { m_engine->table.close(); });
}

bool StoreTable::isOpen() const
{
    return m_engine->table.isOpen();
}

void StoreTable::readNumericDecimals()
{
    if (!isOpen())
        return;
    const std::vector<dbase::FieldInfo> &fields = m_engine->table.fields();
    m_decimals.assign(fields.size(), 0);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fieldKindOf(fields[i].type) == FieldKind::Numeric)
            m_decimals[i] = fields[i].decimals;
}

int StoreTable::numericDecimals(int position) const
{
    return position >= 0 && position < int(m_decimals.size()) ? m_decimals[position] : 0;
}

QString StoreTable::text(int position) const
{
    return translated([&] { return fromCp1252(m_engine->table.asString(position)); });
}

double StoreTable::number(int position) const
{
    return translated([&] { return m_engine->table.asNumber(position); });
}

bool StoreTable::isNull(int position) const
{
    return translated([&] { return m_engine->table.isNull(position); });
}

std::optional<QDate> StoreTable::date(int position) const
{
    const std::optional<dbase::Date> value
        = translated([&] { return m_engine->table.asDate(position); });
    if (!value)
        return std::nullopt;
    return QDate(value->year, value->month, value->day);
}

QByteArray StoreTable::bytes(int position) const
{
    const std::string value = translated([&] { return m_engine->table.asBlob(position); });
    return QByteArray(value.data(), qsizetype(value.size()));
}

namespace {

dbase::Table::Hook engineHook(StoreTable &table, StoreTable::RecordHook hook)
{
    if (!hook)
        return nullptr;
    return [&table, hook = std::move(hook)](dbase::Table &) {
        RecordEditor editor(table);
        hook(editor);
    };
}

} // namespace

void StoreTable::setBeforePost(RecordHook hook)
{
    m_engine->table.setBeforePost(engineHook(*this, std::move(hook)));
}

void StoreTable::setAfterInsert(RecordHook hook)
{
    m_engine->table.setAfterInsert(engineHook(*this, std::move(hook)));
}

void StoreTable::selectNaturalOrder()
{
    translated([&] { m_engine->table.selectIndex(std::string()); });
}

void StoreTable::first()
{
    translated([&] { m_engine->table.first(); });
}

bool StoreTable::next()
{
    return translated([&] { return m_engine->table.next(); });
}

bool StoreTable::prior()
{
    return translated([&] { return m_engine->table.prior(); });
}

void StoreTable::last()
{
    translated([&] { m_engine->table.last(); });
}

bool StoreTable::atEnd() const
{
    return m_engine->table.eof();
}

bool StoreTable::onRecord() const
{
    const dbase::Table &table = m_engine->table;
    return table.isOpen() && table.recno() != 0 && !table.eof();
}

int StoreTable::recordCount()
{
    return isOpen() ? translated([&] { return int(m_engine->table.recordCount()); }) : 0;
}

bool StoreTable::gotoRecord(int n)
{
    if (!isOpen())
        return false;
    translated([&] { m_engine->table.gotoPosition(uint64_t(std::max(n, 0))); });
    return true;
}

StoreTable::Bookmark StoreTable::bookmark() const
{
    return m_engine->table.bookmark();
}

void StoreTable::gotoBookmark(Bookmark bookmark)
{
    translated([&] { m_engine->table.gotoBookmark(bookmark); });
}

std::optional<int> StoreTable::positionOfRecordNumber(int recordNumber)
{
    if (!isOpen())
        return std::nullopt;
    int index = 0;
    for (first(); !atEnd(); next(), ++index)
        if (qRound(number(FieldModel::kRecordNumberPosition)) == recordNumber)
            return index;
    return std::nullopt;
}

struct StoreTable::ReadHold::Held
{
    explicit Held(dbase::Table &table)
        : hold(table)
    {
    }
    dbase::Table::IndexReadHold hold;
};

StoreTable::ReadHold::ReadHold(StoreTable &table)
    : m_held(translated([&] { return std::make_unique<Held>(engineOf(table)); }))
{
}

StoreTable::ReadHold::~ReadHold() = default;

} // namespace zendrova
