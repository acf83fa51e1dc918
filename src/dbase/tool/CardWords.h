#pragma once

#include <span>

namespace dbase::cardgen {

// A word drawn weight times out of the total of its list.
struct Weighted
{
    const char *text;
    int weight;
};

struct SportWords
{
    const char *name;
    int weight;
    // Team names are a city and one of these; none for sports without teams.
    std::span<const char *const> nicknames;
    std::span<const char *const> positions;
};

// The vocabulary of generated cards (UTF-8). Every team, maker and place is invented.
namespace words {

std::span<const char *const> firstNames();
std::span<const char *const> lastNames();
std::span<const char *const> accentedFirstNames();
std::span<const char *const> accentedLastNames();
std::span<const char *const> cities();
std::span<const SportWords> sports();
// Makers before 1960, and from then on.
std::span<const char *const> vintageMakers();
std::span<const char *const> modernMakers();
std::span<const Weighted> cardTypes();
std::span<const Weighted> conditions();
std::span<const Weighted> statuses();
std::span<const char *const> storagePlaces();
std::span<const char *const> sources();
std::span<const char *const> noteLines();

} // namespace words
} // namespace dbase::cardgen
