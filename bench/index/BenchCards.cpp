#include "BenchCards.h"

namespace bench {

const std::vector<dbase::FieldInfo> &benchFields()
{
    static const std::vector<dbase::FieldInfo> fields = {
        {"RECNO", 'N', 10, 0, 0},   {"FMARK", 'C', 1, 0, 10},   {"NAME", 'C', 50, 0, 11},
        {"PPRICE", 'N', 12, 2, 61}, {"CVALUE", 'N', 12, 2, 73}, {"CUSTOM4", 'D', 8, 0, 85},
        {"NOTES", 'M', 10, 0, 93}};
    return fields;
}

std::string_view BenchRecord::raw(int field) const
{
    static const std::string memoPointer = "         1";
    switch (field) {
    case 0: return card_.recNo;
    case 1: return card_.mark;
    case 2: return card_.name;
    case 3: return card_.price;
    case 4: return card_.value;
    case 5: return card_.bought;
    default: return memoPointer;
    }
}

std::string CardMaker::word()
{
    static const char *syllables[] = {"ma", "ri", "on", "te", "ka", "lo", "ber", "son", "wil", "jo", "ne", "st"};
    std::string w;
    const int parts = 2 + static_cast<int>(random_() % 3);
    for (int i = 0; i < parts; ++i)
        w += syllables[random_() % std::size(syllables)];
    w[0] = static_cast<char>(w[0] - 32);
    return w;
}

BenchCard CardMaker::make(int recNo)
{
    BenchCard c;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%10d", recNo);
    c.recNo = buffer;
    c.mark = random_() % 3 ? "2" : "0";
    // Names start with any letter, so the letter ranges all hold keys.
    c.name = std::string(1, static_cast<char>('A' + random_() % 26)) + word() + " " + word();
    c.name.resize(50, ' ');
    std::snprintf(buffer, sizeof buffer, "%12.2f", static_cast<double>(random_() % 1000000) / 100.0);
    c.price = buffer;
    std::snprintf(buffer, sizeof buffer, "%12.2f", static_cast<double>(random_() % 1000000) / 100.0);
    c.value = buffer;
    std::snprintf(buffer, sizeof buffer, "%04u%02u%02u", static_cast<unsigned>(1950 + random_() % 70),
                  static_cast<unsigned>(1 + random_() % 12), static_cast<unsigned>(1 + random_() % 28));
    c.bought = buffer;
    c.notes = "Condition " + word() + " " + word();
    return c;
}

} // namespace bench
