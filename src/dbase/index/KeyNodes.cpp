#include "dbase/index/KeyNodes.h"

#include "dbase/index/JulianDay.h"

#include <algorithm>
#include <functional>

namespace dbase::keynodes {

namespace {

using Evaluator = std::function<KeyValue(const RecordView &)>;

struct LambdaNode : KeyNode
{
    Evaluator run;
    KeyValue evaluate(const RecordView &record) const override { return run(record); }
};

KeyNodePtr make(KeyKind kind, int length, Evaluator run)
{
    auto node = std::make_shared<LambdaNode>();
    node->kind = kind;
    node->length = length;
    node->run = std::move(run);
    return node;
}

KeyValue characters(std::string text)
{
    KeyValue v;
    v.text = std::move(text);
    return v;
}

KeyValue numberValue(Decimal value)
{
    KeyValue v;
    v.kind = KeyKind::Number;
    v.number = std::move(value);
    return v;
}

KeyValue dateValue(int64_t day)
{
    KeyValue v;
    v.kind = KeyKind::Date;
    v.day = day;
    return v;
}

// Fixed-width text: what the term's length promises, whatever the data holds.
std::string fitted(std::string text, int length)
{
    text.resize(static_cast<size_t>(length), ' ');
    return text;
}

// Whole days of a number added to a date; far-out values stop at a bound any date passes.
int64_t wholeDays(const Decimal &value)
{
    const Decimal days = value.rounded(0);
    if (days.integerDigits() > 9)
        return days.isNegative() ? -1000000000 : 1000000000;
    return std::stoll(days.toFixed(0));
}

void require(bool ok, const char *message)
{
    if (!ok)
        throw TypeError(message);
}

} // namespace

std::string upperCase(std::string text)
{
    for (char &c : text) {
        const auto u = static_cast<uint8_t>(c);
        if (u >= 'a' && u <= 'z')
            c = static_cast<char>(u - 32);
        // Windows-1252 letters with accents, so names sort as they are read.
        else if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
            c = static_cast<char>(u - 32);
        else if (u == 0x9A || u == 0x9C || u == 0x9E)
            c = static_cast<char>(u - 16);
        else if (u == 0xFF)
            c = static_cast<char>(0x9F);
    }
    return text;
}

std::string memoLine(const std::string &memo, int line)
{
    // Paragraphs end at CR LF, LF or CR; each is word-wrapped at the line width.
    // A break at the very end starts no further line.
    int current = 1;
    std::string_view rest(memo);
    while (!rest.empty()) {
        const size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
        std::string_view paragraph = rest.substr(0, end);
        rest.remove_prefix(end);
        rest.remove_prefix(rest.starts_with("\r\n") ? 2 : std::min<size_t>(rest.size(), 1));
        do {
            const size_t width = kMemoLineWidth;
            std::string_view piece = paragraph;
            size_t skip = paragraph.size();
            if (paragraph.size() > width) {
                const size_t blank = paragraph.substr(0, width + 1).rfind(' ');
                if (blank != std::string_view::npos && blank > 0) {
                    piece = paragraph.substr(0, blank);
                    skip = blank + 1;
                } else {
                    piece = paragraph.substr(0, width);
                    skip = width;
                }
            }
            if (current == line)
                return fitted(std::string(piece), kMemoLineWidth);
            ++current;
            paragraph.remove_prefix(skip);
        } while (!paragraph.empty());
    }
    return std::string(kMemoLineWidth, ' ');
}

std::string formatStr(const Decimal &value, int length, int decimals)
{
    // Too wide with the asked decimals: give up decimals, rounding, before giving up the number.
    for (int d = decimals; d >= 0; --d) {
        const std::string text = value.toFixed(d);
        if (static_cast<int>(text.size()) <= length)
            return std::string(static_cast<size_t>(length) - text.size(), ' ') + text;
    }
    return std::string(static_cast<size_t>(length), '*');
}

KeyNodePtr field(int index, const FieldInfo &info)
{
    switch (info.type) {
    case 'C':
    case 'L': {
        const int length = info.type == 'L' ? 1 : info.length;
        return make(KeyKind::Character, length, [index, length](const RecordView &r) {
            return characters(fitted(std::string(r.raw(index)), length));
        });
    }
    case 'N':
    case 'F':
        return make(KeyKind::Number, 0, [index](const RecordView &r) {
            return numberValue(Decimal::fromField(r.raw(index)));
        });
    case 'D':
        return make(KeyKind::Date, 0, [index](const RecordView &r) {
            return dateValue(julian::fromStored(r.raw(index)).value_or(0));
        });
    case 'M':
        return make(KeyKind::Memo, 0, [index](const RecordView &r) {
            KeyValue v;
            v.kind = KeyKind::Memo;
            v.text = r.memo(index);
            return v;
        });
    default:
        throw TypeError("field " + info.name + " cannot be part of a key");
    }
}

KeyNodePtr text(std::string value)
{
    const int length = static_cast<int>(value.size());
    return make(KeyKind::Character, length,
                [value = std::move(value)](const RecordView &) { return characters(value); });
}

KeyNodePtr number(const Decimal &value)
{
    return make(KeyKind::Number, 0, [value](const RecordView &) { return numberValue(value); });
}

KeyNodePtr date(int64_t day)
{
    return make(KeyKind::Date, 0, [day](const RecordView &) { return dateValue(day); });
}

KeyNodePtr upper(KeyNodePtr arg)
{
    require(arg->kind == KeyKind::Character, "UPPER needs a character value");
    return make(KeyKind::Character, arg->length, [arg](const RecordView &r) {
        return characters(upperCase(arg->evaluate(r).text));
    });
}

KeyNodePtr substr(KeyNodePtr arg, int start, int count)
{
    require(arg->kind == KeyKind::Character, "SUBSTR needs a character value");
    require(start >= 1 && count >= 0, "SUBSTR needs a start of at least 1 and a length of at least 0");
    const int length = std::max(0, std::min(count, arg->length - start + 1));
    return make(KeyKind::Character, length, [arg, start, length](const RecordView &r) {
        const std::string whole = arg->evaluate(r).text;
        const size_t from = std::min(whole.size(), static_cast<size_t>(start - 1));
        return characters(fitted(whole.substr(from, static_cast<size_t>(length)), length));
    });
}

KeyNodePtr mline(KeyNodePtr memo, int line)
{
    require(memo->kind == KeyKind::Memo, "MLINE needs a memo field");
    require(line >= 1, "MLINE needs a line number of at least 1");
    return make(KeyKind::Character, kMemoLineWidth, [memo, line](const RecordView &r) {
        return characters(memoLine(memo->evaluate(r).text, line));
    });
}

KeyNodePtr dtos(KeyNodePtr arg)
{
    require(arg->kind == KeyKind::Date, "DTOS needs a date");
    return make(KeyKind::Character, 8, [arg](const RecordView &r) {
        return characters(julian::toStored(arg->evaluate(r).day));
    });
}

KeyNodePtr str(KeyNodePtr arg, int length, int decimals)
{
    require(arg->kind == KeyKind::Number, "STR needs a number");
    require(length >= 1 && length <= 255, "STR needs a length from 1 to 255");
    require(decimals >= 0 && decimals < length, "STR needs fewer decimals than its length");
    return make(KeyKind::Character, length, [arg, length, decimals](const RecordView &r) {
        return characters(formatStr(arg->evaluate(r).number, length, decimals));
    });
}

KeyNodePtr plus(KeyNodePtr a, KeyNodePtr b)
{
    if (a->kind == KeyKind::Character && b->kind == KeyKind::Character)
        return make(KeyKind::Character, a->length + b->length, [a, b](const RecordView &r) {
            return characters(a->evaluate(r).text + b->evaluate(r).text);
        });
    if (a->kind == KeyKind::Number && b->kind == KeyKind::Number)
        return make(KeyKind::Number, 0, [a, b](const RecordView &r) {
            return numberValue(a->evaluate(r).number + b->evaluate(r).number);
        });
    const bool dateFirst = a->kind == KeyKind::Date && b->kind == KeyKind::Number;
    require(dateFirst || (a->kind == KeyKind::Number && b->kind == KeyKind::Date),
            "\"+\" needs two texts, two numbers, or a date and a number");
    const KeyNodePtr d = dateFirst ? a : b, n = dateFirst ? b : a;
    return make(KeyKind::Date, 0, [d, n](const RecordView &r) {
        return dateValue(d->evaluate(r).day +
                         wholeDays(n->evaluate(r).number));
    });
}

KeyNodePtr minus(KeyNodePtr a, KeyNodePtr b)
{
    if (a->kind == KeyKind::Number && b->kind == KeyKind::Number)
        return make(KeyKind::Number, 0, [a, b](const RecordView &r) {
            return numberValue(a->evaluate(r).number - b->evaluate(r).number);
        });
    // A date minus a date is a number of days; a blank date counts as day 0.
    if (a->kind == KeyKind::Date && b->kind == KeyKind::Date)
        return make(KeyKind::Number, 0, [a, b](const RecordView &r) {
            return numberValue(Decimal::fromInteger(a->evaluate(r).day - b->evaluate(r).day));
        });
    require(a->kind == KeyKind::Date && b->kind == KeyKind::Number,
            "\"-\" needs two numbers, two dates, or a date and a number");
    return make(KeyKind::Date, 0, [a, b](const RecordView &r) {
        return dateValue(a->evaluate(r).day -
                         wholeDays(b->evaluate(r).number));
    });
}

} // namespace dbase::keynodes
