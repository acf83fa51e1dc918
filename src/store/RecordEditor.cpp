#include "store/RecordEditor.h"

#include "store/EngineTable.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

dbase::Table &engine(StoreTable &table)
{
    return engineOf(table);
}

} // namespace

bool RecordEditor::editing() const
{
    const dbase::Table::State state = engine(m_table).state();
    return state == dbase::Table::State::Edit || state == dbase::Table::State::Insert;
}

bool RecordEditor::inserting() const
{
    return engine(m_table).state() == dbase::Table::State::Insert;
}

void RecordEditor::lock()
{
    translated([&] { engine(m_table).edit(); });
}

void RecordEditor::append()
{
    translated([&] { engine(m_table).append(); });
}

void RecordEditor::post()
{
    translated([&] { engine(m_table).post(); });
}

void RecordEditor::cancel()
{
    if (m_table.isOpen() && editing())
        translated([&] { engine(m_table).cancel(); });
}

void RecordEditor::remove()
{
    translated([&] { engine(m_table).deleteRecord(); });
}

QString RecordEditor::text(int position) const
{
    return m_table.text(position);
}

double RecordEditor::number(int position) const
{
    return m_table.number(position);
}

std::optional<QDate> RecordEditor::date(int position) const
{
    return m_table.date(position);
}

QByteArray RecordEditor::bytes(int position) const
{
    return m_table.bytes(position);
}

bool RecordEditor::isNull(int position) const
{
    return m_table.isNull(position);
}

void RecordEditor::setText(int position, const QString &value)
{
    translated([&] { engine(m_table).setString(position, toCp1252(value)); });
}

void RecordEditor::setNumber(int position, double value)
{
    translated([&] { engine(m_table).setNumber(position, value); });
}

void RecordEditor::setDate(int position, const std::optional<QDate> &value)
{
    std::optional<dbase::Date> stored;
    if (value && value->isValid())
        stored = dbase::Date { value->year(), value->month(), value->day() };
    translated([&] { engine(m_table).setDate(position, stored); });
}

void RecordEditor::setBytes(int position, const QByteArray &value)
{
    if (value.isEmpty()) {
        clear(position);
        return;
    }
    translated([&] {
        engine(m_table).setBlob(position, std::string_view(value.constData(), size_t(value.size())));
    });
}

void RecordEditor::clear(int position)
{
    translated([&] { engine(m_table).setNull(position); });
}

bool RecordEditor::store(bool asNew, const std::function<Fill(RecordEditor &)> &fill, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        try {
            // A new record is started inside the attempt: taking its record
            // number may fail while another user holds the catalog row.
            if (!editing()) {
                if (asNew)
                    append();
                else
                    lock();
            }
            if (fill(*this) == Fill::Stop)
                return false;
            post();
            return true;
        } catch (const StoreError &) {
            // counted as one failed attempt
        }
    }
    return false;
}

struct RecordEditor::WriteBatch::Held
{
    explicit Held(dbase::Table &table)
        : batch(table)
    {
    }
    dbase::Table::WriteBatch batch;
};

RecordEditor::WriteBatch::WriteBatch(StoreTable &table)
    : m_held(translated([&] { return std::make_unique<Held>(engineOf(table)); }))
{
}

RecordEditor::WriteBatch::~WriteBatch() = default;

} // namespace zendrova
