#include "exchange/ViewWalk.h"

#include "store/StoreTable.h"

namespace zendrova {

ViewWalk::ViewWalk(StoreTable &table, std::optional<Letters> letters)
    : m_table(table)
    , m_letters(std::move(letters))
{ }

void ViewWalk::run(const Part &part, const Record &record)
{
    if (!m_letters || !m_letters->tabs.apply()) {
        part(0, m_table.recordCount());
        walk(record);
        return;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool ranged = false;
        try {
            ranged = m_letters->tabs.letterRange(m_letters->target, letter);
        } catch (const StoreError &) {
            ranged = false;
        }
        if (!ranged)
            continue;
        part(letter, m_table.recordCount());
        walk(record);
    }
}

void ViewWalk::walk(const Record &record)
{
    for (m_table.first(); !m_table.atEnd(); m_table.next())
        record(m_table);
}

} // namespace zendrova
