#pragma once

namespace zendrova {

// Which list position the record list's first row shows after a paging step,
// for pages of `rows` rows (fewer than one count as one).
class ListPageTops
{
public:
    static constexpr int first() { return 0; }
    static int previous(int top, int rows);
    // After a full page comes one more, whose first row starts a new record.
    static int next(int top, int rows);
    // The last page of count records; count a multiple of rows keeps the last
    // full page rather than an empty one after it.
    static int last(int count, int rows);
    // The page holding the position (a found record, a synchronised card).
    static int holding(int position, int rows);
};

} // namespace zendrova
