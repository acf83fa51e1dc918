#pragma once

#include "dbase/RecordView.h"

#include <functional>
#include <string>
#include <vector>

namespace dbase::test {

// Card-like records as the record table holds them: number, filter mark, text and
// lookup fields, prices with 2 decimals, a date, notes in a memo, and a long text.
enum CardField { RecNo, Mark, Name, Sport, Team, CardNo, Price, Value, Bought, Notes, Descr };

const std::vector<FieldInfo> &cardFields();

struct Card
{
    int recNo = 0;
    std::string mark = "2";
    std::string name;
    std::string sport;
    std::string team;
    std::string cardNo;  // as typed, e.g. "12"; empty = blank
    std::string price;   // e.g. "12.50"
    std::string value;
    std::string bought;  // YYYYMMDD or empty
    std::string notes;
    std::string descr;
};

// One card laid out in stored field form: text padded, numbers right-justified.
class CardRecord : public RecordView
{
public:
    explicit CardRecord(const Card &card);
    const std::vector<FieldInfo> &fields() const override { return cardFields(); }
    std::string_view raw(int field) const override { return raw_.at(static_cast<size_t>(field)); }
    std::string memo(int field) const override { return field == Notes ? notes_ : std::string(); }
    // The notes are held here, not in a memo block the raw bytes would name.
    bool memoPending(int field) const override { return field == Notes; }

private:
    std::vector<std::string> raw_;
    std::string notes_;
};

// A scan in physical order over cards; record number = position + 1.
using ScanFn = std::function<void(const std::function<void(uint32_t, const RecordView &)> &)>;
ScanFn scanOf(const std::vector<Card> &cards);

} // namespace dbase::test
