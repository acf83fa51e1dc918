#pragma once

#include <QList>
#include <cstdint>

namespace zendrova {

// One included field of a label: the caption-list index of its field, and
// whether it continues the line above instead of starting a new one.
struct LabelLine
{
    int captionIndex = 0;
    bool sameLine = false;

    bool operator==(const LabelLine &) const = default;
};

// The stored form of the included fields: line number * 100 + caption index,
// where a field continuing the line above repeats the line number of the
// entry before it.
namespace LabelLines {

// Caption indexes from 100 on cannot be stored and are left out. The line
// numbers grow by one per new line, except that a number is passed over when
// the stored value of one of its entries (value + 20) would begin with the
// byte 0x00: a reader would take that byte for the end of the list. Readers
// only compare neighbouring line numbers, so the gap reads the same.
QList<std::int32_t> encode(const QList<LabelLine> &lines);
// Values below 0 are left out.
QList<LabelLine> decode(const QList<std::int32_t> &values);

// Whether the value can be stored without ending the list early.
bool storable(std::int32_t value);

} // namespace LabelLines

} // namespace zendrova
