#pragma once

#include "CardRandom.h"

#include "dbase/FieldCodec.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dbase::cardgen {

// One card's user fields as a collector would type them (text in UTF-8).
// Money is held in cents so that every price has exactly two decimals.
struct Card
{
    std::string name;
    std::string sport;
    std::string brand;
    std::string type;
    std::string team;
    std::string position;
    std::string year;
    std::optional<int64_t> number;
    std::optional<int64_t> purchaseCents;
    std::optional<int64_t> valueCents;
    std::optional<int64_t> saleCents;
    std::string status;
    std::string condition;
    std::string storage; // custom 1
    std::string serial; // custom 2
    std::string source; // custom 3
    std::optional<Date> bought; // custom 4
    std::optional<int64_t> gradeCents; // custom 5, a grade such as 8.50
    std::string notes; // lines end in CR LF
};

// Cards drawn one after another from a seed: the same seed gives the same
// cards in the same order, so a short run is the start of a longer one.
class CardMaker
{
public:
    explicit CardMaker(uint64_t seed)
        : m_random(seed)
    { }

    Card next();

private:
    std::string playerName();
    void placeInSport(Card &card);
    void price(Card &card, int year);
    std::optional<Date> purchaseDate(int year);
    std::string notes();

    CardRandom m_random;
};

} // namespace dbase::cardgen
