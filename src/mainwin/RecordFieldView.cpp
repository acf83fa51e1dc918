#include "mainwin/RecordFieldView.h"

#include "common/CaptionList.h"
#include "common/DateFormatList.h"
#include "common/DateText.h"
#include "store/FieldModel.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

QString valueOf(const StoreTable &record, int position, int &dateFields,
    const DateFormatList &dateFormats)
{
    switch (record.fieldModel().kind(position)) {
    case FieldKind::Memo:
        return record.text(position).section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    case FieldKind::Picture:
        return QStringLiteral("<PICTURE>")
            + (record.isNull(position) ? QStringLiteral(" - Empty") : QStringLiteral(" - Not Empty"));
    case FieldKind::Date: {
        const int code = dateFormats.codeAt(dateFields++);
        const std::optional<QDate> date = record.date(position);
        return date ? DateText::format(*date, DateFormatList::pattern(code)) : QString();
    }
    default:
        return record.text(position);
    }
}

} // namespace

QStringList RecordFieldView::lines(
    const StoreTable &record, const CaptionList &captions, const DateFormatList &dateFormats)
{
    QStringList lines;
    int dateFields = 0;
    const FieldModel &fields = record.fieldModel();
    for (int position = FieldModel::kFirstUserPosition; position < fields.count(); ++position) {
        const QString caption = captions.captions().value(position - FieldModel::kFirstUserPosition);
        const QString value = valueOf(record, position, dateFields, dateFormats);
        lines << caption + QLatin1Char(' ') + value.left(kValueLength);
    }
    return lines;
}

QString RecordFieldView::corruptMemoText(const QString &recordName)
{
    return tr("Corrupt Memo Field!!! You should delete record: \r") + recordName;
}

} // namespace zendrova
