#include "store/FindMatch.h"

#include "common/DateFormatList.h"
#include "common/DateText.h"
#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <QLocale>

namespace zendrova {

SearchText::SearchText(
    const QString &text, const FieldModel &fields, const DateFormatList &dateFormats, QDate today)
    : m_upper(text.toUpper())
{
    bool ok = false;
    const double number = QLocale().toDouble(m_upper, &ok);
    if (ok)
        m_number = number;
    m_dates.resize(fields.count());
    for (int position = FieldModel::kFirstUserPosition; position < fields.count(); ++position) {
        if (fields.kind(position) != FieldKind::Date)
            continue;
        // Read as the field shows its dates: the order of its format, "/"
        // between the numbers, two-digit years in this century.
        const int code = dateFormats.codeForField(position - FieldModel::kFirstUserPosition);
        m_dates[position]
            = DateText::parse(m_upper, DateText::orderOf(DateFormatList::pattern(code)), today);
    }
}

std::optional<QDate> SearchText::date(int position) const
{
    return position >= 0 && position < m_dates.size() ? m_dates[position] : std::nullopt;
}

FindMatch::Result FindMatch::field(
    const StoreTable &record, int position, const SearchText &text, bool skipMemos)
{
    switch (record.fieldModel().kind(position)) {
    case FieldKind::Text:
        return { record.text(position).toUpper().contains(text.upper()), std::nullopt };
    case FieldKind::Numeric:
        // A blank number is 0, as the card shows it.
        return { text.number() && record.number(position) == *text.number(), std::nullopt };
    case FieldKind::Date: {
        // A text that is no date never matches.
        const std::optional<QDate> wanted = text.date(position);
        return { wanted && record.date(position) == wanted, std::nullopt };
    }
    case FieldKind::Memo: {
        if (skipMemos || record.isNull(position))
            return {};
        // The card shows the memo with line ends as single characters.
        const QString memo = record.text(position).remove(QLatin1Char('\r'));
        const int at = memo.toUpper().indexOf(text.upper());
        if (at < 0)
            return {};
        return { true, MemoMatch { at, int(text.upper().size()) } };
    }
    default:
        return {};
    }
}

RecordScan::RecordScan(std::optional<int> single, int lastPosition)
    : m_single(single)
    , m_last(lastPosition)
    , m_position(single ? *single : FieldModel::kFirstUserPosition)
{
}

int RecordScan::firstPosition() const
{
    return m_single ? *m_single : FieldModel::kFirstUserPosition;
}

void RecordScan::startRecord(bool forward)
{
    m_position = m_single ? *m_single : forward ? FieldModel::kFirstUserPosition : m_last;
}

FindMatch::Result RecordScan::test(
    const StoreTable &record, const SearchText &text, bool skipMemos, bool forward)
{
    if (m_single)
        return FindMatch::field(record, *m_single, text, skipMemos);
    const int step = forward ? 1 : -1;
    for (int position = m_position;
         position >= FieldModel::kFirstUserPosition && position <= m_last; position += step) {
        const FindMatch::Result result = FindMatch::field(record, position, text, skipMemos);
        if (result.matched) {
            m_position = position;
            return result;
        }
    }
    startRecord(forward);
    return {};
}

bool RecordScan::stepField(bool forward)
{
    if (m_single)
        return false;
    m_position += forward ? 1 : -1;
    if (m_position >= FieldModel::kFirstUserPosition && m_position <= m_last)
        return true;
    startRecord(forward);
    return false;
}

} // namespace zendrova
