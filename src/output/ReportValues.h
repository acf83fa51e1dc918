#pragma once

#include "store/FieldModel.h"

#include <QDate>
#include <QImage>
#include <QString>

namespace zendrova {

class DateFormatList;
class StoreTable;

// How one field of the current record prints in a report.
class ReportValues
{
public:
    ReportValues(const StoreTable &table, const DateFormatList &dateFormats);

    // Totalled and right-aligned: integer, float, currency and BCD fields.
    bool isNumeric(int position) const;
    bool isMemo(int position) const;
    bool isPicture(int position) const;
    bool isText(int position) const;

    // Numbers with thousands separators and the field's decimals (2 or 0);
    // dates in the field's date format; everything else its display text.
    QString text(int position) const;
    // Empty for an empty numeric field (printed as nothing, totalled as 0).
    double number(int position) const;
    QString memo(int position) const;
    // A null image when the field holds no readable picture.
    QImage picture(int position) const;
    // A date in the short date format the date format list sets (that of
    // the card's first date field).
    QString shortDate(const QDate &date) const;
    // Formats a total of the field at position like its values.
    QString numberText(int position, double value) const;

private:
    const StoreTable &m_table;
    const DateFormatList &m_dateFormats;
};

} // namespace zendrova
