#include "CardRecords.h"

namespace dbase::test {

const std::vector<FieldInfo> &cardFields()
{
    static const std::vector<FieldInfo> fields = [] {
        std::vector<FieldInfo> f = {
            {"RECNO", 'N', 10, 0, 0},   {"FMARK", 'C', 1, 0, 0},    {"NAME", 'C', 50, 0, 0},
            {"SPORT", 'C', 30, 0, 0},   {"TEAM", 'C', 20, 0, 0},    {"CARDNO", 'N', 10, 0, 0},
            {"PPRICE", 'N', 12, 2, 0},  {"CVALUE", 'N', 12, 2, 0},  {"CUSTOM4", 'D', 8, 0, 0},
            {"NOTES", 'M', 10, 0, 0},   {"DESCR", 'C', 120, 0, 0}};
        uint32_t offset = 0;
        for (auto &field : f) {
            field.offset = offset;
            offset += field.length;
        }
        return f;
    }();
    return fields;
}

namespace {

std::string padded(const std::string &text, size_t width)
{
    std::string result = text.substr(0, width);
    result.resize(width, ' ');
    return result;
}

std::string rightJustified(const std::string &text, size_t width)
{
    return std::string(width - std::min(width, text.size()), ' ') + text.substr(0, width);
}

} // namespace

CardRecord::CardRecord(const Card &card) : notes_(card.notes)
{
    const auto &f = cardFields();
    auto width = [&](CardField field) { return f[field].length; };
    raw_ = {rightJustified(std::to_string(card.recNo), width(RecNo)),
            padded(card.mark, width(Mark)),
            padded(card.name, width(Name)),
            padded(card.sport, width(Sport)),
            padded(card.team, width(Team)),
            rightJustified(card.cardNo, width(CardNo)),
            rightJustified(card.price, width(Price)),
            rightJustified(card.value, width(Value)),
            padded(card.bought, width(Bought)),
            card.notes.empty() ? std::string(10, ' ') : rightJustified("1", 10),
            padded(card.descr, width(Descr))};
}

ScanFn scanOf(const std::vector<Card> &cards)
{
    return [cards](const std::function<void(uint32_t, const RecordView &)> &visit) {
        for (size_t i = 0; i < cards.size(); ++i)
            visit(static_cast<uint32_t>(i + 1), CardRecord(cards[i]));
    };
}

} // namespace dbase::test
