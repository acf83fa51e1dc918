#include "store/StoreTable.h"

#include "dbase/Cp1252.h"
#include "common/FileLookup.h"

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

std::string StoreTable::enginePath() const
{
    return toEnginePath(joinPath(m_folder, m_fileName));
}

void StoreTable::open()
{
    m_table.setFolder(toEnginePath(m_folder));
    m_table.setFileName(toEnginePath(m_fileName));
    m_table.setExclusive(m_exclusive);
    m_table.setIndexName(toCp1252(m_indexName));
    m_lastOpenError.reset();
    try {
        m_table.open();
    } catch (const dbase::Error &error) {
        ++m_failedOpens;
        m_lastOpenError = error.kind();
        throw;
    }
    m_fields = FieldModel(m_table.fields());
    readNumericDecimals();
}

void StoreTable::close()
{
    if (m_table.isOpen())
        m_table.close();
}

void StoreTable::readNumericDecimals()
{
    if (!m_table.isOpen())
        return;
    m_decimals.assign(m_table.fields().size(), 0);
    for (size_t i = 0; i < m_table.fields().size(); ++i) {
        const dbase::FieldInfo &field = m_table.fields()[i];
        if (fieldKindOf(field.type) == FieldKind::Numeric)
            m_decimals[i] = field.decimals;
    }
}

int StoreTable::numericDecimals(int position) const
{
    return position >= 0 && position < int(m_decimals.size()) ? m_decimals[position] : 0;
}

QString StoreTable::text(int position) const
{
    return fromCp1252(m_table.asString(position));
}

void StoreTable::setText(int position, const QString &value)
{
    m_table.setString(position, toCp1252(value));
}

std::optional<QDate> StoreTable::date(int position) const
{
    const std::optional<dbase::Date> value = m_table.asDate(position);
    if (!value)
        return std::nullopt;
    return QDate(value->year, value->month, value->day);
}

void StoreTable::setBeforePost(BeforePost hook)
{
    if (!hook) {
        m_table.setBeforePost(nullptr);
        return;
    }
    m_table.setBeforePost([this, hook = std::move(hook)](dbase::Table &) { hook(*this); });
}

int StoreTable::recordCount()
{
    return m_table.isOpen() ? int(m_table.recordCount()) : 0;
}

bool StoreTable::gotoRecord(int n)
{
    if (!m_table.isOpen())
        return false;
    m_table.gotoPosition(uint64_t(std::max(n, 0)));
    return true;
}

} // namespace zendrova
