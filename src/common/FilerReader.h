#pragma once

#include "common/ByteReader.h"
#include "common/FilerValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace zendrova {

// Reads a filer value stream. A value of an unexpected type, or one cut short
// by the end of the bytes, marks the reader failed; from then on every read
// yields an empty value and endOfList() is true, so a loop over a list always
// ends. Callers check ok() once when they are done.
class FilerReader
{
public:
    explicit FilerReader(const QByteArray &bytes, qsizetype start = 0)
        : m_in(bytes, start)
    { }

    void listBegin();
    // True at the 0 byte that ends a list (not consumed), and on failure.
    bool endOfList();
    void listEnd();
    QString string();
    // Passes over a string without reading its text, whatever its length.
    void skipString();
    std::int32_t integer();
    QString shortString();
    QByteArray raw(int count);

    bool ok() const { return m_in.ok(); }
    bool atEnd() const { return m_in.atEnd(); }
    qsizetype position() const { return m_in.position(); }
    void fail() { m_in.fail(); }

private:
    void expect(FilerValue value);
    // The length after a string's type byte; nothing (and failed) for another type.
    std::optional<int> stringLength();

    ByteReader m_in;
};

// Reads a whole stream that is one list, each item by readItem (which returns
// nothing for an item it refuses). Nothing when the stream is damaged.
template <typename Item, typename ReadItem>
std::optional<QList<Item>> readFilerList(const QByteArray &bytes, ReadItem readItem)
{
    FilerReader in(bytes);
    QList<Item> items;
    in.listBegin();
    while (!in.endOfList()) {
        std::optional<Item> item = readItem(in);
        if (!in.ok() || !item)
            return std::nullopt;
        items.append(std::move(*item));
    }
    in.listEnd();
    if (!in.ok())
        return std::nullopt;
    return items;
}

} // namespace zendrova
