#pragma once

#include "output/TLabelRec.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace zendrova {

// The label templates of "label.dat" in the user folder, in file order. The
// list owns its entries.
class TLabelList
{
    Q_DECLARE_TR_FUNCTIONS(TLabelList)

public:
    static inline const QString kFileName = QStringLiteral("label.dat");
    static constexpr int kNotFound = -1;

    // Replaces the entries with the file's; a missing file is an empty list.
    // On failure the entries stay as they were and error() holds the stream
    // error to show.
    bool read(const QString &userFolder);
    // Writes beside the old file and renames; on failure error() says so.
    bool write(const QString &userFolder);
    const QString &error() const { return m_error; }

    int count() const { return static_cast<int>(m_items.size()); }
    const TLabelRec &at(int index) const { return *m_items[static_cast<std::size_t>(index)]; }
    TLabelRec &at(int index) { return *m_items[static_cast<std::size_t>(index)]; }
    void append(const TLabelRec &label);
    // Indexes outside the list are ignored.
    void remove(int index);
    void clear() { m_items.clear(); }
    // Exact, case-sensitive; kNotFound when no entry has the name.
    int find(const QString &name) const;

    static QString path(const QString &userFolder);

private:
    std::vector<std::unique_ptr<TLabelRec>> m_items;
    QString m_error;
};

} // namespace zendrova
