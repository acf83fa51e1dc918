#pragma once

#include "common/ByteWriter.h"
#include "common/FilerValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

namespace zendrova {

// Builds a filer value stream; the counterpart of FilerReader. Each value goes
// in the smallest form that holds it, as the reader of the old files expects.
class FilerWriter
{
public:
    void listBegin();
    void listEnd();
    // Type byte and length; texts of 256 bytes or more take the long form.
    void string(const QString &text);
    void integer(std::int32_t value);
    // Length byte and text, no type byte; cut at kMaxShortStringBytes.
    void shortString(const QString &text);
    void raw(const QByteArray &bytes);

    const QByteArray &bytes() const { return m_out.bytes(); }

private:
    void type(FilerValue value);

    ByteWriter m_out;
};

// A stream that is one list, each item written by writeItem.
template <typename Item, typename WriteItem>
QByteArray writeFilerList(const QList<Item> &items, WriteItem writeItem)
{
    FilerWriter out;
    out.listBegin();
    for (const Item &item : items)
        writeItem(out, item);
    out.listEnd();
    return out.bytes();
}

} // namespace zendrova
