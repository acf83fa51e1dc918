#include "mainwin/CardCodec.h"

#include "common/Clock.h"
#include "common/DateSerial.h"
#include "editors/CurrencyText.h"
#include "editors/DateBuffer.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <QLocale>

namespace zendrova {

namespace {

constexpr double kTodaySerial = 1.0;

// A number typed into a control that has no amount of its own.
void writeNumberText(const QString &text, RecordEditor &record, int position)
{
    const QLocale locale;
    const QString plain = QString(text).remove(locale.groupSeparator()).trimmed();
    if (plain.isEmpty()) {
        record.clear(position);
        return;
    }
    bool ok = false;
    const double number = locale.toDouble(plain, &ok);
    if (!ok)
        throw StoreError(StoreErrorKind::Value,
            "\"" + text.toStdString() + "\" is not a number for field "
                + record.table().fieldModel().name(position).toStdString());
    record.setNumber(position, number);
}

} // namespace

QDate CardCodec::todayMarker()
{
    return dateFromSerial(kTodaySerial);
}

CardValue CardCodec::load(
    CardControlKind kind, const StoreTable &record, int position, bool asTemplate)
{
    switch (kind) {
    case CardControlKind::Picture:
        return CardValue::ofPicture(record.bytes(position));
    case CardControlKind::Date: {
        std::optional<QDate> date = record.date(position);
        if (asTemplate && date == todayMarker())
            date = Clock::today();
        return CardValue::ofDate(date);
    }
    case CardControlKind::Currency:
        if (record.isNull(position))
            return CardValue::blankNumber();
        return CardValue::ofNumber(record.number(position));
    case CardControlKind::Edit:
    case CardControlKind::Lookup:
    case CardControlKind::Memo:
        break;
    }
    return CardValue::ofText(record.text(position));
}

void CardCodec::write(
    CardControlKind kind, const CardValue &value, RecordEditor &record, int position)
{
    switch (kind) {
    case CardControlKind::Picture:
        record.setBytes(position, value.picture);
        return;
    case CardControlKind::Currency:
        if (value.number)
            record.setNumber(position, *value.number);
        else
            record.clear(position);
        return;
    case CardControlKind::Date:
        // Never a blank in place of what the user typed.
        if (!value.date && !value.text.isEmpty())
            throw StoreError(StoreErrorKind::Value,
                "\"" + value.text.toStdString() + "\" is no date for field "
                    + record.table().fieldModel().name(position).toStdString());
        record.setDate(position, value.date);
        return;
    case CardControlKind::Edit:
    case CardControlKind::Lookup:
    case CardControlKind::Memo:
        break;
    }
    if (record.table().fieldModel().kind(position) == FieldKind::Numeric)
        writeNumberText(value.text, record, position);
    else
        record.setText(position, value.text);
}

bool CardCodec::isEmpty(CardControlKind kind, const CardValue &value)
{
    switch (kind) {
    case CardControlKind::Picture:
        return value.picture.isEmpty();
    case CardControlKind::Currency:
        return !value.number || *value.number == 0;
    case CardControlKind::Date:
        return !value.date && value.text.isEmpty();
    case CardControlKind::Edit:
    case CardControlKind::Lookup:
    case CardControlKind::Memo:
        break;
    }
    return value.text.isEmpty();
}

QString CardCodec::refusal(CardControlKind kind, const CardValue &value, const FieldModel &fields,
    int position, const QString &caption)
{
    switch (kind) {
    case CardControlKind::Date:
        return !value.date && !value.text.isEmpty() ? DateBuffer::invalidDateText() : QString();
    case CardControlKind::Currency: {
        const NumberField field { fields.width(position), fields.decimals(position) };
        if (value.number && fields.kind(position) == FieldKind::Numeric
            && !field.holds(*value.number))
            return CurrencyText::doesNotFitText(caption, field);
        return {};
    }
    case CardControlKind::Edit:
    case CardControlKind::Lookup:
    case CardControlKind::Memo:
    case CardControlKind::Picture:
        break;
    }
    return {};
}

} // namespace zendrova
