#pragma once

#include "dbase/Table.h"
#include "dbase/tool/CardMaker.h"

#include <cstdint>
#include <map>
#include <string>

namespace scale {

// Field positions of the card table the benchmark fills.
enum Field {
    kRecordNumber = 0,
    kFilterMark = 1,
    kCardName = 2,
    kSport = 3,
    kTeam = 6,
    kCardNumber = 9,
    kCurrentValue = 12,
    kBought = 19,
    kNotes = 21,
};

// Only one card in ten keeps its notes, so the memo file holds a tenth of the records.
bool hasMemo(uint32_t index);
// The notes a card stores ("" when it stores none); index counts from 0.
std::string memoOf(const dbase::cardgen::Card &card, uint32_t index);

// Appends and posts one generated card as record index + 1.
void appendCard(dbase::Table &table, const dbase::cardgen::Card &card, uint32_t index);

// Writes one JSON line per sampled record (every `step`-th, and each edited one) with
// the values the benchmark stored, from the same cards generated again and the edits
// made after, so that another reader of the table can be checked against them.
void writeExpectedSample(const std::string &path, uint64_t seed, uint32_t cards, uint32_t step,
                         const std::map<uint32_t, std::string> &editedNames);

} // namespace scale
