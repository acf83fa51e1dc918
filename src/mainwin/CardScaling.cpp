#include "mainwin/CardScaling.h"

#include <algorithm>
#include <cstdlib>

namespace zendrova::CardScaling {

namespace {

bool stretches(const Item &item)
{
    return !item.caption
        && (item.kind == CardControlKind::Memo || item.kind == CardControlKind::Picture);
}

bool sameRow(const QRect &a, const QRect &b)
{
    return std::abs(a.top() - b.top()) <= kSameRowTolerance;
}

// How much taller each memo and picture gets.
QList<int> heightGrowth(const QList<Item> &items, int heightChange)
{
    const auto count = std::count_if(items.begin(), items.end(), stretches);
    const int share = count ? std::max(0, heightChange / int(count)) : 0;
    QList<int> growth;
    for (const Item &item : items)
        growth << (stretches(item) ? share : 0);
    return growth;
}

int verticalShift(const QList<Item> &items, const QList<int> &growth, int index)
{
    // One row of stretching controls pushes down once, by its largest growth.
    QList<QRect> countedRows;
    int shift = 0;
    for (int i = 0; i < items.size(); ++i) {
        const QRect &above = items[i].design;
        if (growth[i] == 0 || i == index || above.bottom() >= items[index].design.top())
            continue;
        auto row = std::find_if(countedRows.begin(), countedRows.end(),
            [&](const QRect &r) { return sameRow(r, above); });
        if (row != countedRows.end())
            continue;
        int rowGrowth = 0;
        for (int j = 0; j < items.size(); ++j)
            if (sameRow(items[j].design, above) && items[j].design.bottom() < items[index].design.top())
                rowGrowth = std::max(rowGrowth, growth[j]);
        countedRows << above;
        shift += rowGrowth;
    }
    return shift;
}

// How much wider each control gets: its equal part of the width change among
// the controls of its row, the remainder going to the rightmost.
QList<int> widthGrowth(const QList<Item> &items, int widthChange)
{
    QList<int> growth;
    for (const Item &item : items) {
        if (item.caption) {
            growth << 0;
            continue;
        }
        int inRow = 0;
        int rightOfIt = 0;
        for (const Item &other : items) {
            if (other.caption || !sameRow(other.design, item.design))
                continue;
            ++inRow;
            if (other.design.left() > item.design.left())
                ++rightOfIt;
        }
        const int part = widthChange / inRow;
        growth << (rightOfIt == 0 ? widthChange - part * (inRow - 1) : part);
    }
    return growth;
}

int horizontalShift(const QList<Item> &items, const QList<int> &growth, int index)
{
    const QRect &rect = items[index].design;
    int shift = 0;
    for (int i = 0; i < items.size(); ++i)
        if (i != index && !items[i].caption && sameRow(items[i].design, rect)
            && items[i].design.right() < rect.left())
            shift += growth[i];
    return shift;
}

} // namespace

QList<QRect> scale(const QList<Item> &items, const QSize &designSize, const QSize &size)
{
    const QList<int> taller = heightGrowth(items, size.height() - designSize.height());
    const QList<int> wider = widthGrowth(items, size.width() - designSize.width());
    QList<QRect> result;
    for (int i = 0; i < items.size(); ++i) {
        QRect rect = items[i].design;
        rect.translate(horizontalShift(items, wider, i), verticalShift(items, taller, i));
        rect.setWidth(std::max(kMinimumWidth, rect.width() + wider[i]));
        rect.setHeight(rect.height() + taller[i]);
        result << rect;
    }
    return result;
}

} // namespace zendrova::CardScaling
