#include "store/SortBytes.h"

namespace zendrova {

QByteArray SortBytes::toBytes() const
{
    QByteArray bytes(4, '\0');
    bytes[0] = static_cast<char>(primary);
    bytes[1] = primaryDescending ? 1 : 0;
    bytes[2] = static_cast<char>(secondary);
    bytes[3] = secondaryDescending ? 1 : 0;
    return bytes;
}

std::optional<SortBytes> SortBytes::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return std::nullopt;
    SortBytes sort;
    sort.primary = static_cast<uint8_t>(bytes[0]);
    sort.primaryDescending = bytes[1] != 0;
    sort.secondary = static_cast<uint8_t>(bytes[2]);
    sort.secondaryDescending = bytes[3] != 0;
    return sort;
}

} // namespace zendrova
