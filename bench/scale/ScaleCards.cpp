#include "ScaleCards.h"

#include "dbase/Cp1252.h"

#include <cstdio>
#include <fstream>
#include <string_view>

namespace scale {

namespace {

constexpr int kBrand = 4, kCardType = 5, kPosition = 7, kYear = 8, kPurchase = 11, kStatus = 14,
              kCondition = 15;

std::string jsonText(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string jsonNumber(const std::optional<int64_t> &value)
{
    return value ? std::to_string(*value) : "null";
}

std::string jsonDate(const std::optional<dbase::Date> &date)
{
    if (!date)
        return "null";
    char text[16];
    std::snprintf(text, sizeof text, "\"%04d%02d%02d\"", date->year, date->month, date->day);
    return text;
}

} // namespace

bool hasMemo(uint32_t index) { return index % 10 == 0; }

std::string memoOf(const dbase::cardgen::Card &card, uint32_t index)
{
    if (!hasMemo(index))
        return {};
    return card.notes.empty() ? "Kept in the binder" : card.notes;
}

void appendCard(dbase::Table &table, const dbase::cardgen::Card &card, uint32_t index)
{
    table.append();
    table.setInteger(kRecordNumber, int64_t(index) + 1);
    table.setString(kFilterMark, "2");
    const std::pair<int, const std::string *> texts[] = {
        {kCardName, &card.name}, {kSport, &card.sport},   {kBrand, &card.brand},   {kCardType, &card.type},
        {kTeam, &card.team},     {kPosition, &card.position}, {kYear, &card.year}, {kStatus, &card.status},
        {kCondition, &card.condition}};
    for (const auto &[pos, text] : texts) {
        if (!text->empty())
            table.setString(pos, dbase::utf8ToCp1252(*text));
    }
    if (card.number)
        table.setInteger(kCardNumber, *card.number);
    if (card.purchaseCents)
        table.setNumber(kPurchase, double(*card.purchaseCents) / 100.0);
    if (card.valueCents)
        table.setNumber(kCurrentValue, double(*card.valueCents) / 100.0);
    if (card.bought)
        table.setDate(kBought, card.bought);
    if (const std::string notes = memoOf(card, index); !notes.empty())
        table.setBlob(kNotes, dbase::utf8ToCp1252(notes));
    table.post();
}

void writeExpectedSample(const std::string &path, uint64_t seed, uint32_t cards, uint32_t step,
                         const std::map<uint32_t, std::string> &editedNames)
{
    std::ofstream out(path, std::ios::binary);
    dbase::cardgen::CardMaker maker(seed);
    for (uint32_t i = 0; i < cards; ++i) {
        const dbase::cardgen::Card card = maker.next();
        const uint32_t recno = i + 1;
        const auto edited = editedNames.find(recno);
        if (i % step != 0 && edited == editedNames.end())
            continue;
        out << "{\"recno\": " << recno << ", \"CARDNAME\": "
            << jsonText(edited == editedNames.end() ? card.name : edited->second)
            << ", \"SPORT\": " << jsonText(card.sport) << ", \"TEAM\": " << jsonText(card.team)
            << ", \"CARDNUM\": " << jsonNumber(card.number) << ", \"CURVALUE_CENTS\": " << jsonNumber(card.valueCents)
            << ", \"CUSTOM4\": " << jsonDate(card.bought) << ", \"NOTES\": " << jsonText(memoOf(card, i)) << "}\n";
    }
    if (!out)
        throw std::runtime_error("Cannot write " + path);
}

} // namespace scale
