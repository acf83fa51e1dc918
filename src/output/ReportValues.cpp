#include "output/ReportValues.h"

#include "common/DateFormatList.h"
#include "common/DateText.h"
#include "store/StoreTable.h"

#include <QLocale>

namespace zendrova {

ReportValues::ReportValues(const StoreTable &table, const DateFormatList &dateFormats)
    : m_table(table)
    , m_dateFormats(dateFormats)
{ }

bool ReportValues::isNumeric(int position) const
{
    return m_table.fieldModel().kind(position) == FieldKind::Numeric;
}

bool ReportValues::isMemo(int position) const
{
    return m_table.fieldModel().kind(position) == FieldKind::Memo;
}

bool ReportValues::isPicture(int position) const
{
    return m_table.fieldModel().kind(position) == FieldKind::Picture;
}

bool ReportValues::isText(int position) const
{
    return m_table.fieldModel().kind(position) == FieldKind::Text;
}

QString ReportValues::numberText(int position, double value) const
{
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(value, 'f', m_table.numericDecimals(position) != 0 ? 2 : 0);
}

QString ReportValues::text(int position) const
{
    switch (m_table.fieldModel().kind(position)) {
    case FieldKind::Numeric:
        return m_table.isNull(position) ? QString() : numberText(position, number(position));
    case FieldKind::Date: {
        const std::optional<QDate> date = m_table.date(position);
        if (!date)
            return QString();
        const int fieldIndex = position - FieldModel::kFirstUserPosition;
        return DateText::format(*date, DateFormatList::pattern(m_dateFormats.codeForField(fieldIndex)));
    }
    case FieldKind::Text:
        // A character field never prints more than its size.
        return m_table.text(position).left(m_table.fieldModel().width(position)).trimmed();
    default:
        return m_table.text(position);
    }
}

QString ReportValues::shortDate(const QDate &date) const
{
    return DateText::format(date, DateFormatList::pattern(m_dateFormats.codeAt(0)));
}

double ReportValues::number(int position) const
{
    return m_table.isNull(position) ? 0.0 : m_table.number(position);
}

QString ReportValues::memo(int position) const
{
    return m_table.text(position).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QImage ReportValues::picture(int position) const
{
    const QByteArray bytes = m_table.bytes(position);
    return bytes.isEmpty() ? QImage() : QImage::fromData(bytes);
}

} // namespace zendrova
