#include "mainwin/CardTextCodec.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "mainwin/CardCodec.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QLocale>

namespace zendrova {

QString CardTextCodec::datePattern()
{
    switch (DateText::orderOf(QLocale().dateFormat(QLocale::ShortFormat))) {
    case DateOrder::DayMonthYear:
        return QStringLiteral("dd/mm/yyyy");
    case DateOrder::YearMonthDay:
        return QStringLiteral("yyyy/mm/dd");
    case DateOrder::MonthDayYear:
        break;
    }
    return QStringLiteral("mm/dd/yyyy");
}

FieldTextCodec CardTextCodec::make()
{
    const QString pattern = datePattern();
    const DateOrder order = DateText::orderOf(pattern);
    FieldTextCodec codec;
    codec.toText = [pattern](const StoreTable &record, int position) {
        if (record.fieldModel().kind(position) == FieldKind::Date) {
            const CardValue value = CardCodec::load(CardControlKind::Date, record, position, false);
            return value.date ? DateText::format(*value.date, pattern) : QString();
        }
        return CardCodec::load(CardControlKind::Edit, record, position, false).text;
    };
    codec.fromText = [order](RecordEditor &record, int position, const QString &text) {
        if (record.table().fieldModel().kind(position) == FieldKind::Date) {
            const QString typed = text.trimmed();
            const std::optional<QDate> date
                = typed.isEmpty() ? std::nullopt : DateText::parse(typed, order, Clock::today());
            CardCodec::write(CardControlKind::Date,
                date ? CardValue::ofDate(date) : CardValue::ofUnreadableDate(typed), record,
                position);
            return;
        }
        CardCodec::write(CardControlKind::Edit, CardValue::ofText(text), record, position);
    };
    return codec;
}

} // namespace zendrova
