#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace zendrova {

class DateFormatList;
class FieldModel;
class StoreTable;

// Where a search text was found inside a memo: the card selects it.
struct MemoMatch
{
    int offset = 0;
    int length = 0;
};

// The search text, read once per search the way each kind of field compares
// it: upper-cased for text and memos, as a number, and as a date in the date
// format of each date field.
class SearchText
{
public:
    SearchText() = default;
    // today: the year that a text of month and day alone falls in.
    SearchText(const QString &text, const FieldModel &fields, const DateFormatList &dateFormats,
        QDate today);

    const QString &upper() const { return m_upper; }
    std::optional<double> number() const { return m_number; }
    // Nothing when the text is no date in that field's format.
    std::optional<QDate> date(int position) const;

private:
    QString m_upper;
    std::optional<double> m_number;
    QList<std::optional<QDate>> m_dates; // by field position
};

// Whether one field of the current record holds the search text, by the kind
// of the field: text contains it, a number or a date equals it, a memo
// contains it (unless memos are skipped). Other kinds never match.
class FindMatch
{
public:
    struct Result
    {
        bool matched = false;
        std::optional<MemoMatch> memo;
    };

    static Result field(
        const StoreTable &record, int position, const SearchText &text, bool skipMemos);
};

// The fields a search looks at and where in the record it goes on: one chosen
// field, or every user field from the current position onwards (forward) or
// back to the first (backward).
class RecordScan
{
public:
    // single: the one field position searched; nothing for every field.
    RecordScan(std::optional<int> single, int lastPosition);

    int firstPosition() const;
    int lastPosition() const { return m_last; }
    int position() const { return m_position; }
    // Where a record begins in the direction: its first or its last field.
    void startRecord(bool forward);
    // Tests the record from the current position; a match leaves the position
    // on the field that matched, none puts it where the next record starts.
    FindMatch::Result test(
        const StoreTable &record, const SearchText &text, bool skipMemos, bool forward);
    // One field further after a match; false when the record is done.
    bool stepField(bool forward);
    bool singleField() const { return m_single.has_value(); }

private:
    std::optional<int> m_single;
    int m_last;
    int m_position;
};

} // namespace zendrova
