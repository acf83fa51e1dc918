#include "mainwin/SchemeColors.h"

#include "mainwin/Palette.h"

namespace zendrova {

namespace {

enum Element {
    RecordButtonText = 0,
    SelectedRecordButtonText = 2,
    NotEmptyLetterTabText = 4,
    EmptyLetterTabText = 6,
    SelectedLetterTabText = 8,
    LeftPage = 12,
    SpeedBar = 13,
    WindowBackground = 14,
    OneLineFieldText = 15,
    OneLineFieldBackground = 16,
    MemoText = 17,
    CaptionLabelText = 19,
    PositiveCurrencyText = 21,
    NegativeCurrencyText = 22,
    CardPage = 24,
};

QColor colorOf(const ColorScheme &scheme, int element)
{
    return Palette::color(scheme.elements[static_cast<std::size_t>(element)]);
}

// A text element followed by its background element.
ColorPair pairAt(const ColorScheme &scheme, int textElement)
{
    return { colorOf(scheme, textElement), colorOf(scheme, textElement + 1) };
}

} // namespace

SchemeColors SchemeColors::of(const ColorScheme &scheme)
{
    SchemeColors colors;
    colors.recordButton = pairAt(scheme, RecordButtonText);
    colors.selectedRecordButton = pairAt(scheme, SelectedRecordButtonText);
    colors.notEmptyLetterTab = pairAt(scheme, NotEmptyLetterTabText);
    colors.emptyLetterTab = pairAt(scheme, EmptyLetterTabText);
    colors.selectedLetterTab = pairAt(scheme, SelectedLetterTabText);
    colors.leftPage = colorOf(scheme, LeftPage);
    colors.speedBar = colorOf(scheme, SpeedBar);
    colors.windowBackground = colorOf(scheme, WindowBackground);
    colors.oneLineField = pairAt(scheme, OneLineFieldText);
    colors.memo = pairAt(scheme, MemoText);
    colors.captionLabel = pairAt(scheme, CaptionLabelText);
    const QColor currencyBackground = colorOf(scheme, OneLineFieldBackground);
    colors.positiveCurrency = { colorOf(scheme, PositiveCurrencyText), currencyBackground };
    colors.negativeCurrency = { colorOf(scheme, NegativeCurrencyText), currencyBackground };
    colors.cardPage = colorOf(scheme, CardPage);
    return colors;
}

ColorPair SchemeColors::letterTab(bool selected, bool hasRecords) const
{
    if (selected)
        return selectedLetterTab;
    return hasRecords ? notEmptyLetterTab : emptyLetterTab;
}

} // namespace zendrova
