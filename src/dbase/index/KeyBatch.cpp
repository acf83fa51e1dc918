#include "dbase/index/KeyBatch.h"

#include <algorithm>

namespace dbase {

void KeyBatch::add(std::string_view key, uint32_t recNo)
{
    key = key.substr(0, keyLength_);
    bytes_.append(key);
    bytes_.append(keyLength_ - key.size(), '\0');
    lengths_.push_back(static_cast<uint16_t>(key.size()));
    recNos_.push_back(recNo);
}

std::string_view KeyBatch::stored(size_t slot) const
{
    return std::string_view(bytes_).substr(slot * keyLength_, lengths_[slot]);
}

std::string_view KeyBatch::key(size_t i) const
{
    return stored(order_.empty() ? i : order_[i]);
}

void KeyBatch::sort(const Compare &compare, bool plainBytes, bool descending)
{
    struct Sortable
    {
        uint64_t prefix;
        uint32_t slot;
    };
    const bool oneLength = std::all_of(lengths_.begin(), lengths_.end(),
                                       [&](uint16_t n) { return n == lengths_.front(); });
    const bool usePrefix = plainBytes && oneLength;
    std::vector<Sortable> order;
    order.reserve(size());
    for (uint32_t slot = 0; slot < size(); ++slot) {
        uint64_t prefix = 0;
        if (usePrefix) {
            const std::string_view k = stored(slot);
            for (size_t i = 0; i < 8; ++i)
                prefix = prefix << 8 | (i < k.size() ? static_cast<uint8_t>(k[i]) : 0u);
            if (descending)
                prefix = ~prefix;
        }
        order.push_back({prefix, slot});
    }
    std::sort(order.begin(), order.end(), [&](const Sortable &a, const Sortable &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int c = compare(stored(a.slot), stored(b.slot));
        return c != 0 ? c < 0 : recNos_[a.slot] < recNos_[b.slot];
    });
    order_.clear();
    order_.reserve(order.size());
    for (const Sortable &s : order)
        order_.push_back(s.slot);
}

} // namespace dbase
