#include "output/SummaryCount.h"

#include "store/StoreTable.h"

namespace zendrova {

namespace {

int positionOfField(int fieldNumber)
{
    return fieldNumber + FieldModel::kFirstUserPosition - 1;
}

// The position of a numeric field to sum, or -1 when the table lacks it.
int sumPosition(const FieldModel &fields, int fieldNumber)
{
    const int position = positionOfField(fieldNumber);
    return fields.kind(position) == FieldKind::Numeric ? position : -1;
}

// A number as a field shows it when no format is set: the shortest text
// that reads back as the same value.
QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

// Closes the summary's own table object on every way out.
struct ClosingTable
{
    StoreTable table;
    ~ClosingTable()
    {
        try {
            table.close();
        } catch (...) {
            // Nothing was written through it; a failed close loses nothing.
        }
    }
};

} // namespace

bool SummaryCount::passes(FilterScope scope, const QString &mark)
{
    if (scope == FilterScope::AllRecords)
        return true;
    bool ok = false;
    double value = mark.trimmed().toDouble(&ok);
    if (!ok)
        value = 0.0;
    return scope == FilterScope::NormalFilter ? value > 1.0 : value <= 1.0;
}

QString SummaryCount::dateKey(QDate date)
{
    return QStringLiteral("%1%2%3")
        .arg(date.year() % 100, 2, 10, QLatin1Char('0'))
        .arg(kDateSeparator)
        .arg(date.month(), 2, 10, QLatin1Char('0'));
}

SummaryList SummaryCount::run(const StoreTable &current, FilterScope scope, int position)
{
    return run(current.folder(), current.fileName(), scope, position);
}

SummaryList SummaryCount::run(
    const QString &folder, const QString &fileName, FilterScope scope, int position)
{
    ClosingTable own;
    StoreTable &table = own.table;
    table.setFolder(folder);
    table.setFileName(fileName);
    table.open();
    const FieldModel &fields = table.fieldModel();
    const FieldKind kind = fields.kind(position);
    const int purchase = sumPosition(fields, kPurchasePriceField);
    const int value = sumPosition(fields, kCurrentValueField);

    SummaryList list;
    for (table.first(); !table.atEnd(); table.next()) {
        if (scope != FilterScope::AllRecords
            && !passes(scope, table.text(FieldModel::kFilterMarkPosition)))
            continue;
        QString key;
        if (kind == FieldKind::Date) {
            if (const std::optional<QDate> date = table.date(position))
                key = dateKey(*date);
        } else if (kind == FieldKind::Numeric) {
            if (!table.isNull(position))
                key = numberText(table.number(position));
        } else {
            key = table.text(position);
        }
        list.add(key, purchase >= 0 ? table.number(purchase) : 0.0,
            value >= 0 ? table.number(value) : 0.0);
    }
    return list;
}

} // namespace zendrova
