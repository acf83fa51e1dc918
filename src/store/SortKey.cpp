#include "store/SortKey.h"

#include <algorithm>

namespace zendrova {
namespace {

const QString kNines = QStringLiteral("999999999999999999");
const QString kLastDate = QStringLiteral("{12/31/3099}");

QString ascendingNumber(const QString &name, int width)
{
    return QStringLiteral("STR(%1, %2, 4)").arg(name).arg(width);
}

QString descendingNumber(const QString &name)
{
    return QStringLiteral("STR(%1-%2, 20, 4)").arg(kNines, name);
}

QString dateKey(const QString &name, bool descending)
{
    return descending ? QStringLiteral("STR(%1-%2, 10, 0)").arg(kLastDate, name)
                      : QStringLiteral("DTOS(%1)").arg(name);
}

SortKey singleKey(const FieldModel &fields, int position, bool descending)
{
    const QString name = fields.name(position);
    SortKey key;
    switch (fields.kind(position)) {
    case FieldKind::Text:
        key.expression = fields.width(position) >= 100
            ? QStringLiteral("UPPER(SUBSTR(%1, 1, 99))").arg(name)
            : QStringLiteral("UPPER(%1)").arg(name);
        key.options = { true, descending };
        break;
    case FieldKind::Numeric:
        key.expression = descending ? descendingNumber(name) : ascendingNumber(name, 20);
        key.options = { true, false };
        break;
    case FieldKind::Date:
        key.expression = dateKey(name, descending);
        key.options = { true, false };
        break;
    case FieldKind::Memo:
        key.expression = QStringLiteral("UPPER(MLINE(%1, 1))").arg(name);
        key.options = { true, descending };
        break;
    case FieldKind::Picture:
    case FieldKind::Other:
        break;
    }
    return key;
}

struct KeyPart
{
    QString expression;
    int length = 0;
};

// One half of a two-field key, kept within `budget` characters of key value.
std::optional<KeyPart> keyPart(const FieldModel &fields, int position, bool descending, int budget)
{
    const QString name = fields.name(position);
    switch (fields.kind(position)) {
    case FieldKind::Text: {
        const int width = fields.width(position);
        if (width <= budget)
            return KeyPart { name, width };
        return KeyPart { QStringLiteral("UPPER(SUBSTR(%1, 1, %2))").arg(name).arg(budget), budget };
    }
    case FieldKind::Numeric: {
        const int length = std::min(budget, 20);
        return KeyPart { descending ? descendingNumber(name) : ascendingNumber(name, length),
            length };
    }
    case FieldKind::Date:
        return KeyPart { dateKey(name, descending), 0 };
    case FieldKind::Memo:
        return KeyPart { QStringLiteral("UPPER(SUBSTR(MLINE(%1, 1), 1, %2))").arg(name).arg(budget),
            budget };
    case FieldKind::Picture:
    case FieldKind::Other:
        break;
    }
    return std::nullopt;
}

bool sortsAsText(FieldKind kind)
{
    return kind == FieldKind::Text || kind == FieldKind::Memo;
}

// A text part can only follow the tag's one direction, so the directions are
// folded into the descending option where a text field is involved.
SortKey twoKeys(const FieldModel &fields, int primary, bool a, int secondary, bool s)
{
    SortKey key;
    key.options = { true, false };
    const bool primaryText = sortsAsText(fields.kind(primary));
    const bool secondaryText = sortsAsText(fields.kind(secondary));
    if (primaryText && secondaryText) {
        s = a;
        key.options.descending = a;
    } else if (primaryText) {
        if (a) {
            key.options.descending = true;
            s = !s;
        }
    } else if (secondaryText && s) {
        key.options.descending = true;
        a = !a;
    }

    const auto first = keyPart(fields, primary, a, 59);
    if (!first)
        return {};
    const auto second = keyPart(fields, secondary, s, 99 - first->length);
    if (!second)
        return {};
    key.expression = (first->expression + u'+' + second->expression).left(SortKey::kMaxLength);
    return key;
}

} // namespace

SortKey SortKey::filtered(const FieldModel &fields) const
{
    if (isEmpty())
        return {};
    return { (fields.name(FieldModel::kFilterMarkPosition) + u'+' + expression).left(kMaxLength),
        options };
}

std::optional<SortKey> buildSortKey(const FieldModel &fields, const SortBytes &sort)
{
    const int primary = sort.isEntryOrder() ? FieldModel::kRecordNumberPosition : sort.primary;
    if (!fields.contains(primary))
        return std::nullopt;
    if (!sort.hasSecondary() || sort.secondary == sort.primary)
        return singleKey(fields, primary, sort.primaryDescending);
    if (!fields.contains(sort.secondary))
        return std::nullopt;
    return twoKeys(
        fields, primary, sort.primaryDescending, sort.secondary, sort.secondaryDescending);
}

} // namespace zendrova
