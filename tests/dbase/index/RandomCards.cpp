#include "RandomCards.h"

namespace dbase::test {

Card RandomCards::next()
{
    static const char *first[] = {"Mickey", "willie", "Hank", "Ted", "Babe", "Roberto", "Sandy", "Yogi", ""};
    static const char *last[] = {"Mantle", "Mays", "aaron", "Williams", "Ruth", "Clemente", "Koufax", "Berra", "Zimmer", "\xC9mile"};
    static const char *sports[] = {"Baseball", "Football", "Hockey", "Basketball"};
    auto pick = [&](auto &list) { return list[random_() % std::size(list)]; };
    Card c;
    c.mark = random_() % 3 == 0 ? "0" : "2";
    c.name = std::string(pick(first)) + " " + pick(last);
    c.sport = pick(sports);
    c.team = "Team " + std::to_string(random_() % 40);
    c.cardNo = std::to_string(random_() % 700);
    c.price = std::to_string(random_() % 500) + "." + std::to_string(random_() % 10) + "0";
    c.value = random_() % 5 == 0 ? "" : std::to_string(random_() % 100000) + ".25";
    if (random_() % 6 != 0) {
        char date[16];
        std::snprintf(date, sizeof date, "%04u%02u%02u", static_cast<unsigned>(1950 + random_() % 70),
                      static_cast<unsigned>(1 + random_() % 12),
                      static_cast<unsigned>(1 + random_() % 28));
        c.bought = date;
    }
    c.notes = random_() % 4 == 0 ? "" : "Condition " + std::to_string(random_() % 10) + " " + c.name;
    return c;
}

std::vector<Card> RandomCards::make(size_t count)
{
    std::vector<Card> cards;
    for (size_t i = 0; i < count; ++i) {
        cards.push_back(next());
        cards.back().recNo = static_cast<int>(i + 1);
    }
    return cards;
}

} // namespace dbase::test
