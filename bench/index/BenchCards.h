#pragma once

#include "dbase/RecordView.h"

#include <random>
#include <string>
#include <vector>

namespace bench {

// Card-like records for the benchmarks: the fields the sort tags use, stored as a table would.
struct BenchCard
{
    std::string recNo, mark, name, price, value, bought, notes;
};

const std::vector<dbase::FieldInfo> &benchFields();

class BenchRecord : public dbase::RecordView
{
public:
    explicit BenchRecord(const BenchCard &card) : card_(card) {}
    const std::vector<dbase::FieldInfo> &fields() const override { return benchFields(); }
    std::string_view raw(int field) const override;
    std::string memo(int field) const override { return field == 6 ? card_.notes : std::string(); }

private:
    const BenchCard &card_;
};

class CardMaker
{
public:
    explicit CardMaker(unsigned seed) : random_(seed) {}
    BenchCard make(int recNo);

private:
    std::string word();
    std::mt19937 random_;
};

} // namespace bench
