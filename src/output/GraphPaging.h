#pragma once

#include <QString>

namespace zendrova {

// Paging through the graph's points by a number of items per page. The
// number is held while the program runs (10 at every start), so the next
// graph opens with the last one chosen.
class GraphPaging
{
public:
    static constexpr int kInitialItemsPerPage = 10;
    // The box takes at most two digits.
    static constexpr int kMaxDigits = 2;

    static int heldItemsPerPage();
    static void setHeldItemsPerPage(int items);
    // Whether the items box takes this key's text: digits only (Backspace
    // reaches the box as an edit, not as text).
    static bool acceptsText(const QString &text);

    // Starts at page 1 with the held items per page.
    explicit GraphPaging(int pointCount = 0);

    int pointCount() const { return m_points; }
    int itemsPerPage() const { return m_items; }
    // "Update Graph": an empty box or a value below 1 gives 1; the value is
    // held for the run and becomes the items per page, and the current page
    // stays within the new page count. Returns the value for the box to show.
    int update(const QString &boxText);

    int page() const { return m_page; }
    int pageCount() const;
    void previous();
    void next();

    // The points of the current page: [first(), first() + count()).
    int first() const { return (m_page - 1) * m_items; }
    int count() const;

    bool previousEnabled() const { return m_page > 1; }
    bool nextEnabled() const { return m_page < pageCount(); }
    bool buttonsVisible() const { return pageCount() > 1; }

private:
    int m_points = 0;
    int m_items = kInitialItemsPerPage;
    int m_page = 1;
};

} // namespace zendrova
