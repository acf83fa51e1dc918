#include "output/LabelLines.h"

namespace zendrova::LabelLines {

namespace {
constexpr int kLineFactor = 100;
// Added to every stored value so that its first byte is rarely the list end.
constexpr std::int32_t kStoredOffset = 20;
} // namespace

bool storable(std::int32_t value)
{
    return ((static_cast<std::uint32_t>(value) + kStoredOffset) & 0xFF) != 0;
}

QList<std::int32_t> encode(const QList<LabelLine> &lines)
{
    QList<std::int32_t> values;
    int line = 0;
    qsizetype start = 0;
    while (start < lines.size()) {
        // One printed line: its first entry and the continuations after it.
        qsizetype end = start + 1;
        while (end < lines.size() && lines[end].sameLine)
            ++end;
        const bool continuesFirst = start == 0 && lines[start].sameLine;
        int number = continuesFirst ? 0 : line + 1;
        auto fits = [&](int candidate) {
            for (qsizetype i = start; i < end; ++i) {
                const int index = lines[i].captionIndex;
                if (index >= 0 && index < kLineFactor && !storable(candidate * kLineFactor + index))
                    return false;
            }
            return true;
        };
        // Line 0 never collides: its values stay far below 236.
        while (!fits(number))
            ++number;
        for (qsizetype i = start; i < end; ++i) {
            const int index = lines[i].captionIndex;
            if (index >= 0 && index < kLineFactor)
                values.append(number * kLineFactor + index);
        }
        line = number;
        start = end;
    }
    return values;
}

QList<LabelLine> decode(const QList<std::int32_t> &values)
{
    QList<LabelLine> lines;
    int previousLine = 0;
    bool first = true;
    for (std::int32_t value : values) {
        if (value < 0)
            continue;
        const int line = value / kLineFactor;
        const bool sameLine = first ? line == 0 : line == previousLine;
        lines.append({ value % kLineFactor, sameLine });
        previousLine = line;
        first = false;
    }
    return lines;
}

} // namespace zendrova::LabelLines
