#include "mainwin/CardFields.h"

#include "common/CaptionList.h"

#include <QObject>
#include <QVariant>

namespace zendrova {

namespace {
constexpr char kTagProperty[] = "Tag";
constexpr int kCardNumberTag = 8; // a whole number, unlike the amounts

QList<CardField> buildTable()
{
    using Kind = CardControlKind;
    // Page and kind of fields 1..21.
    const struct { int page; Kind kind; } layout[CardFields::kCount] = {
        {1, Kind::Edit}, {1, Kind::Lookup}, {1, Kind::Lookup}, {1, Kind::Lookup},
        {1, Kind::Lookup}, {1, Kind::Lookup}, {1, Kind::Lookup}, {1, Kind::Currency},
        {1, Kind::Picture}, {2, Kind::Currency}, {2, Kind::Currency}, {2, Kind::Currency},
        {2, Kind::Lookup}, {2, Kind::Lookup}, {2, Kind::Lookup}, {2, Kind::Edit},
        {2, Kind::Edit}, {2, Kind::Date}, {2, Kind::Currency}, {3, Kind::Memo},
        {4, Kind::Picture}};
    QList<CardField> fields;
    int lookups = 0;
    for (int i = 0; i < CardFields::kCount; ++i) {
        CardField field;
        field.tag = i + 1;
        field.page = layout[i].page;
        field.kind = layout[i].kind;
        field.builtInCaption = CaptionList::builtInCaptions().at(i);
        field.hint = CardFields::hintFor(field.kind);
        // The lookups take the list tables in field order.
        if (field.kind == Kind::Lookup)
            field.lookupSource = QStringLiteral("list%1.dbf").arg(++lookups);
        if (field.kind == Kind::Currency)
            field.displayFormat
                = field.tag == kCardNumberTag ? QStringLiteral(",0") : QStringLiteral(",0.00");
        fields << field;
    }
    return fields;
}
} // namespace

bool CardField::isOneLine() const
{
    return kind != CardControlKind::Picture && kind != CardControlKind::Memo;
}

const QList<CardField> &CardFields::all()
{
    static const QList<CardField> fields = buildTable();
    return fields;
}

QString CardFields::hintFor(CardControlKind kind)
{
    switch (kind) {
    case CardControlKind::Edit:
    case CardControlKind::Memo:
        return tr("Enter Text Here");
    case CardControlKind::Lookup:
        return tr("Click on the down arrow to see the choices");
    case CardControlKind::Currency:
        return tr("Enter Value Here");
    case CardControlKind::Date:
        return tr("Enter Date Here");
    case CardControlKind::Picture:
        return tr("Right Mouse Click Displays Menu");
    }
    return {};
}

QList<int> CardFields::pageFieldCounts()
{
    QList<int> counts(kPageCount, 0);
    for (const CardField &field : all())
        ++counts[field.page - 1];
    return counts;
}

int CardFields::pageOfIndex(int index, const QList<int> &pageCounts)
{
    if (index < 0)
        return 0;
    int sum = 0;
    for (int page = 0; page < pageCounts.size(); ++page) {
        sum += pageCounts[page];
        if (sum > index)
            return page + 1;
    }
    return 0;
}

int CardFields::tagOf(const QObject *object)
{
    return object ? object->property(kTagProperty).toInt() : 0;
}

void CardFields::setTag(QObject *object, int tag)
{
    object->setProperty(kTagProperty, tag);
}

} // namespace zendrova
