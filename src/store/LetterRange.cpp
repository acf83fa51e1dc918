#include "store/LetterRange.h"

namespace zendrova {

LetterRangeTarget::~LetterRangeTarget() = default;

LetterRange LetterRange::forLetter(char letter, const SortBytes &sort, const FieldModel &fields,
    FilterScope scope, bool tagSelected, bool letterTabsOn)
{
    LetterRange range;
    const bool letters = tagSelected && !sort.isEntryOrder()
        && fields.kind(sort.primary) == FieldKind::Text && letterTabsOn && letter >= 'A'
        && letter <= 'Z';
    if (letters) {
        const QString mark = scope == FilterScope::NormalFilter ? QStringLiteral("2")
            : scope == FilterScope::ReversedFilter              ? QStringLiteral("0")
                                                                : QString();
        // An empty end stands for any value: 'A' also takes everything sorting before
        // "A", 'Z' everything after "Z".
        const QString first(QChar::fromLatin1(letter));
        const QString low = letter == 'A' ? QString() : first;
        const QString high = letter == 'Z' ? QString() : first;
        range.kind = Kind::Letter;
        range.startMark = range.endMark = mark;
        range.startValue = sort.primaryDescending ? high : low;
        range.endValue = sort.primaryDescending ? low : high;
        return range;
    }
    if (scope == FilterScope::NormalFilter) {
        range = { Kind::FilterOnly, QStringLiteral("2"), QStringLiteral("3"), {}, {} };
    } else if (scope == FilterScope::ReversedFilter) {
        range = { Kind::FilterOnly, QStringLiteral("0"), QStringLiteral("1"), {}, {} };
    }
    return range;
}

} // namespace zendrova
