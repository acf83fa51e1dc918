#include "mainwin/ListCellText.h"

#include "common/DateFormatList.h"
#include "common/DateText.h"
#include "editors/CurrencyText.h"
#include "store/FieldModel.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

int positionOf(const StoreTable &record, int fieldIndex)
{
    const int position = fieldIndex + FieldModel::kFirstUserPosition;
    return fieldIndex >= 0 && record.fieldModel().contains(position) ? position : -1;
}

} // namespace

bool ListCellText::isDate(const StoreTable &record, int fieldIndex)
{
    const int position = positionOf(record, fieldIndex);
    return position >= 0 && record.fieldModel().kind(position) == FieldKind::Date;
}

ListCell ListCellText::of(
    const StoreTable &record, int fieldIndex, int dateColumn, const DateFormatList &dateFormats)
{
    const int position = positionOf(record, fieldIndex);
    if (position < 0)
        return {};
    switch (record.fieldModel().kind(position)) {
    case FieldKind::Memo:
    case FieldKind::Picture:
        return {};
    case FieldKind::Date: {
        const std::optional<QDate> date = record.date(position);
        if (!date)
            return {};
        return { DateText::format(*date, DateFormatList::pattern(dateFormats.codeAt(dateColumn))) };
    }
    case FieldKind::Numeric: {
        if (record.isNull(position))
            return { QString(), true };
        const QString picture = record.numericDecimals(position) != 0 ? QStringLiteral(",0.00")
                                                                       : QStringLiteral(",0");
        return { CurrencyText::format(record.number(position), picture), true };
    }
    default:
        return { record.text(position) };
    }
}

} // namespace zendrova
