#include "output/GraphPaging.h"

#include <algorithm>

namespace zendrova {

namespace {
int g_heldItemsPerPage = GraphPaging::kInitialItemsPerPage;
}

int GraphPaging::heldItemsPerPage()
{
    return g_heldItemsPerPage;
}

void GraphPaging::setHeldItemsPerPage(int items)
{
    g_heldItemsPerPage = std::max(items, 1);
}

bool GraphPaging::acceptsText(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

GraphPaging::GraphPaging(int pointCount)
    : m_points(std::max(pointCount, 0))
    , m_items(heldItemsPerPage())
{
}

int GraphPaging::update(const QString &boxText)
{
    bool ok = false;
    int value = boxText.trimmed().toInt(&ok);
    if (!ok || value < 1)
        value = 1;
    setHeldItemsPerPage(value);
    m_items = value;
    m_page = std::min(m_page, pageCount());
    return value;
}

int GraphPaging::pageCount() const
{
    return std::max(1, (m_points + m_items - 1) / m_items);
}

void GraphPaging::previous()
{
    if (m_page > 1)
        --m_page;
}

void GraphPaging::next()
{
    if (m_page < pageCount())
        ++m_page;
}

int GraphPaging::count() const
{
    return std::clamp(m_points - first(), 0, m_items);
}

} // namespace zendrova
