#pragma once

#include "CardRecords.h"

#include <random>
#include <vector>

namespace dbase::test {

// Card-like records with many equal names and prices, so trees get duplicates across leaves.
class RandomCards
{
public:
    explicit RandomCards(unsigned seed) : random_(seed) {}
    Card next();
    std::vector<Card> make(size_t count);

private:
    std::mt19937 random_;
};

} // namespace dbase::test
