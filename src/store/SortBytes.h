#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zendrova {

// The user's sort choice as the sort file keeps it: primary position,
// primary descending, secondary position, secondary descending. A position
// below the first user position means Entry Order (primary) or none (secondary).
struct SortBytes
{
    uint8_t primary = 0;
    bool primaryDescending = false;
    uint8_t secondary = 0;
    bool secondaryDescending = false;

    bool hasSecondary() const { return secondary >= 2; }
    bool isEntryOrder() const { return primary < 2; }

    QByteArray toBytes() const;
    // Nothing unless there are at least four bytes; any non-zero direction
    // byte counts as descending.
    static std::optional<SortBytes> fromBytes(const QByteArray &bytes);

    friend bool operator==(const SortBytes &, const SortBytes &) = default;
};

} // namespace zendrova
