#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

// The keys of one tag gathered for a bulk build: stored end to end in one
// buffer, without an allocation per key, so that a tag of a million records
// fits in a few bytes more than its keys.
class KeyBatch
{
public:
    // Keys longer than keyLength are cut to it (a tag's keys never are).
    explicit KeyBatch(size_t keyLength) : keyLength_(keyLength) {}

    void add(std::string_view key, uint32_t recNo);
    size_t size() const { return recNos_.size(); }

    // Puts the keys in tag order: by `compare`, equal keys by record number.
    // Character keys of one length (plainBytes) order as their bytes do, read
    // backwards for a descending tag; the first bytes of each then settle most
    // comparisons.
    using Compare = std::function<int(std::string_view, std::string_view)>;
    void sort(const Compare &compare, bool plainBytes, bool descending);

    // The i-th key and record number, in tag order once sorted.
    std::string_view key(size_t i) const;
    uint32_t recNo(size_t i) const { return recNos_[order_.empty() ? i : order_[i]]; }

private:
    std::string_view stored(size_t slot) const;

    size_t keyLength_;
    std::string bytes_;
    std::vector<uint16_t> lengths_;
    std::vector<uint32_t> recNos_;
    std::vector<uint32_t> order_;
};

} // namespace dbase
