#include "store/FindMatch.h"

#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <QDate>
#include <QLocale>

namespace zendrova {

namespace {

bool equalsNumber(const StoreTable &record, int position, const QString &text)
{
    bool ok = false;
    const double wanted = QLocale().toDouble(text, &ok);
    if (!ok)
        return false;
    return !record.isNull(position) && record.number(position) == wanted;
}

bool equalsDate(const StoreTable &record, int position, const QString &text)
{
    const QDate wanted = QLocale().toDate(text, QLocale::ShortFormat);
    if (!wanted.isValid())
        return false; // a text that is no date never matches
    const std::optional<QDate> held = record.date(position);
    return held && *held == wanted;
}

} // namespace

FindMatch::Result FindMatch::field(
    const StoreTable &record, int position, const QString &upperText, bool skipMemos)
{
    switch (record.fieldModel().kind(position)) {
    case FieldKind::Text:
        return { record.text(position).toUpper().contains(upperText), std::nullopt };
    case FieldKind::Numeric:
        return { equalsNumber(record, position, upperText), std::nullopt };
    case FieldKind::Date:
        return { equalsDate(record, position, upperText), std::nullopt };
    case FieldKind::Memo: {
        if (skipMemos || record.isNull(position))
            return {};
        // The card shows the memo with line ends as single characters.
        const QString text = record.text(position).remove(QLatin1Char('\r'));
        const int at = text.toUpper().indexOf(upperText);
        if (at < 0)
            return {};
        return { true, MemoMatch { at, int(upperText.size()) } };
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
    const StoreTable &record, const QString &upperText, bool skipMemos, bool forward)
{
    if (m_single)
        return FindMatch::field(record, *m_single, upperText, skipMemos);
    const int step = forward ? 1 : -1;
    for (int position = m_position;
         position >= FieldModel::kFirstUserPosition && position <= m_last; position += step) {
        const FindMatch::Result result = FindMatch::field(record, position, upperText, skipMemos);
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
