#include "store/LetterRange.h"

namespace zendrova {
namespace {

// Below and above every character a key can hold.
const QString kLowest = QString(QChar(0x01));
const QString kHighest = QString(QChar(0xFF));

} // namespace

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
        // 'A' also takes everything sorting before "A", 'Z' everything after "Z".
        const QString low = letter == 'A' ? kLowest : QString(QChar(letter));
        const QString high = letter == 'Z' ? kHighest : QString(QChar(letter)) + kHighest;
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
