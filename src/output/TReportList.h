#pragma once

#include "output/TReportRec.h"

#include <QByteArray>
#include <memory>
#include <optional>
#include <vector>

namespace zendrova {

// The report templates in file order; the list owns its definitions.
class TReportList
{
public:
    int count() const { return static_cast<int>(m_items.size()); }
    TReportRec &at(int i) { return *m_items[static_cast<size_t>(i)]; }
    const TReportRec &at(int i) const { return *m_items[static_cast<size_t>(i)]; }
    void clear() { m_items.clear(); }
    void append(std::unique_ptr<TReportRec> definition);
    // An index outside the list does nothing.
    void deleteAt(int i);
    // The first entry whose name is exactly this text (case counts), or nothing.
    std::optional<int> findByName(const QString &name) const;

    // The list start byte, the definitions, the list end byte.
    QByteArray toBytes() const;
    // Replaces the entries; false (and the entries read so far) for damaged bytes.
    bool fromBytes(const QByteArray &bytes);

private:
    std::vector<std::unique_ptr<TReportRec>> m_items;
};

} // namespace zendrova
