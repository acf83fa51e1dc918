#include "mainwin/ListPageTops.h"

#include <algorithm>

namespace zendrova {

namespace {
int atLeastOne(int rows)
{
    return std::max(rows, 1);
}
} // namespace

int ListPageTops::previous(int top, int rows)
{
    return std::max(top - atLeastOne(rows), 0);
}

int ListPageTops::next(int top, int rows)
{
    return std::max(top, 0) + atLeastOne(rows);
}

int ListPageTops::last(int count, int rows)
{
    rows = atLeastOne(rows);
    const int top = rows * (std::max(count, 0) / rows);
    return top > 0 && top == count ? top - rows : top;
}

int ListPageTops::holding(int position, int rows)
{
    rows = atLeastOne(rows);
    return std::max(position, 0) / rows * rows;
}

} // namespace zendrova
