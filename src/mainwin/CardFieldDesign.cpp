#include "mainwin/CardFieldDesign.h"

#include "mainwin/CardFields.h"

namespace zendrova::CardFieldDesign {

namespace {
constexpr int kPageWidth = 296;
constexpr int kPageHeight = 380;
constexpr int kMargin = 6;
constexpr int kTop = 8;
constexpr int kRowHeight = 28;
constexpr int kLineHeight = 22;
constexpr int kCaptionWidth = 92;
constexpr int kCaptionHeight = 16;
// A caption sits this far below the top of the field beside it.
constexpr int kCaptionDrop = 3;
constexpr int kFieldLeft = kMargin + kCaptionWidth + 2;
constexpr int kFieldWidth = kPageWidth - kFieldLeft - kMargin;
constexpr int kFullWidth = kPageWidth - 2 * kMargin;
// Wide enough for ten characters and the calendar button.
constexpr int kDateWidth = 110;

// The row of a field on its page's form.
int rowOf(int tag)
{
    const auto &field = CardFields::byTag(tag);
    int row = 0;
    for (int t = 1; t < tag; ++t)
        if (CardFields::byTag(t).page == field.page)
            ++row;
    return row;
}

// The notes and the big picture have their page to themselves.
bool fillsPage(int tag)
{
    return CardFields::byTag(tag).page >= 3;
}
} // namespace

QSize pageSize()
{
    return {kPageWidth, kPageHeight};
}

QRect controlRect(int tag)
{
    const CardField &field = CardFields::byTag(tag);
    if (fillsPage(tag)) {
        const int top = kTop + kCaptionHeight + 4;
        return {kMargin, top, kFullWidth, kPageHeight - top - kMargin};
    }
    const int top = kTop + rowOf(tag) * kRowHeight;
    if (field.kind == CardControlKind::Picture)
        return {kFieldLeft, top, kFieldWidth, kPageHeight - top - kMargin};
    const int width = field.kind == CardControlKind::Date ? kDateWidth : kFieldWidth;
    return {kFieldLeft, top, width, kLineHeight};
}

QRect captionRect(int tag)
{
    if (fillsPage(tag))
        return {kMargin, kTop, kFullWidth, kCaptionHeight};
    return {kMargin, controlRect(tag).top() + kCaptionDrop, kCaptionWidth, kCaptionHeight};
}

} // namespace zendrova::CardFieldDesign
