#include "CardMaker.h"

#include "CardWords.h"

#include <algorithm>

namespace dbase::cardgen {

namespace {

constexpr int kFirstYear = 1909;
constexpr int kLastYear = 2026;
// Purchases recorded from this year on; the last day is fixed, never "today".
constexpr int kFirstPurchaseYear = 1975;
constexpr Date kLastPurchase { 2026, 6, 30 };

constexpr int64_t kPrintRuns[] = { 5, 10, 25, 50, 99, 150, 250, 499 };

// An item drawn weight times out of the total weight of its list.
template <typename T> const T &pickByWeight(CardRandom &random, std::span<const T> items)
{
    int total = 0;
    for (const T &item : items)
        total += item.weight;
    int draw = int(random.below(uint64_t(total)));
    for (const T &item : items) {
        if (draw < item.weight)
            return item;
        draw -= item.weight;
    }
    return items.back();
}

const char *pickWeighted(CardRandom &random, std::span<const Weighted> items)
{
    return pickByWeight(random, items).text;
}

int daysInMonth(int year, int month)
{
    constexpr int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int64_t percentOf(int64_t cents, int64_t percent)
{
    return std::max<int64_t>(1, cents * percent / 100);
}

} // namespace

Card CardMaker::next()
{
    Card card;
    card.name = playerName();
    // Newer cards are more common: the smaller of two draws leans toward recent years.
    const int year = kLastYear
        - int(std::min(m_random.below(kLastYear - kFirstYear + 1),
            m_random.below(kLastYear - kFirstYear + 1)));
    card.year = std::to_string(year);
    placeInSport(card);
    card.brand = m_random.pick(year < 1960 ? words::vintageMakers() : words::modernMakers());
    card.type = pickWeighted(m_random, words::cardTypes());
    if (card.type == "Team Card" && !card.team.empty())
        card.name = card.team;
    if (!m_random.percent(2))
        card.number = m_random.between(1, year < 1960 ? 400 : 800);
    card.condition = m_random.percent(3) ? "" : pickWeighted(m_random, words::conditions());
    card.status = pickWeighted(m_random, words::statuses());
    price(card, year);
    if (!m_random.percent(15))
        card.storage = m_random.pick(words::storagePlaces());
    const bool numbered = card.type == "Parallel" || card.type == "Autograph";
    if (numbered && m_random.percent(60)) {
        const int64_t printRun = m_random.pick(std::span<const int64_t>(kPrintRuns));
        card.serial
            = std::to_string(m_random.between(1, printRun)) + "/" + std::to_string(printRun);
    }
    if (card.status != "Wanted") {
        if (!m_random.percent(20))
            card.source = m_random.pick(words::sources());
        card.bought = purchaseDate(year);
    }
    if (m_random.percent(30))
        card.gradeCents = m_random.between(2, 20) * 50;
    card.notes = notes();
    return card;
}

std::string CardMaker::playerName()
{
    // About three names in a hundred carry accents, in the first name, the last or both.
    if (m_random.percent(3)) {
        switch (m_random.below(3)) {
        case 0:
            return std::string(m_random.pick(words::accentedFirstNames())) + " "
                + m_random.pick(words::lastNames());
        case 1:
            return std::string(m_random.pick(words::firstNames())) + " "
                + m_random.pick(words::accentedLastNames());
        default:
            return std::string(m_random.pick(words::accentedFirstNames())) + " "
                + m_random.pick(words::accentedLastNames());
        }
    }
    return std::string(m_random.pick(words::firstNames())) + " "
        + m_random.pick(words::lastNames());
}

void CardMaker::placeInSport(Card &card)
{
    const SportWords &sport = pickByWeight(m_random, words::sports());
    card.sport = sport.name;
    // A few cards were entered without team or position.
    if (!sport.nicknames.empty() && !m_random.percent(4))
        card.team
            = std::string(m_random.pick(words::cities())) + " " + m_random.pick(sport.nicknames);
    if (!sport.positions.empty() && !m_random.percent(6))
        card.position = m_random.pick(sport.positions);
}

void CardMaker::price(Card &card, int year)
{
    // Mostly cheap cards, a long tail of dear ones; old cards cost more.
    const uint64_t tier = m_random.below(100);
    int64_t cents = tier < 55 ? m_random.between(25, 999)
        : tier < 85           ? m_random.between(1000, 9999)
        : tier < 97           ? m_random.between(10000, 99999)
                              : m_random.between(100000, 500000);
    if (year < 1960)
        cents *= 3;
    card.valueCents = percentOf(cents, m_random.between(50, 400));
    if (card.status != "Wanted" && !m_random.percent(3))
        card.purchaseCents = cents;
    if (card.status == "Sold" || card.status == "For Sale")
        card.saleCents = percentOf(*card.valueCents, m_random.between(80, 150));
}

std::optional<Date> CardMaker::purchaseDate(int year)
{
    if (m_random.percent(10))
        return std::nullopt;
    const int bought
        = int(m_random.between(std::max(year, kFirstPurchaseYear), kLastPurchase.year));
    const int lastMonth = bought == kLastPurchase.year ? kLastPurchase.month : 12;
    const int month = int(m_random.between(1, lastMonth));
    return Date { bought, month, int(m_random.between(1, daysInMonth(bought, month))) };
}

std::string CardMaker::notes()
{
    // Nearly half the cards have no notes; the rest one line or a few.
    const uint64_t kind = m_random.below(100);
    if (kind < 45)
        return {};
    const int lines = kind < 80 ? 1 : int(m_random.between(2, 4));
    std::string text;
    for (int i = 0; i < lines; ++i) {
        if (i > 0)
            text += "\r\n";
        text += m_random.pick(words::noteLines());
    }
    return text;
}

} // namespace dbase::cardgen
