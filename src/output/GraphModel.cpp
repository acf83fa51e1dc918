#include "output/GraphModel.h"

namespace zendrova {

GraphModel::GraphModel(const QStringList &keys, const QStringList &counts)
    : paging(int(keys.size()))
    , m_points(GraphPoints::fromTexts(keys, counts))
    , m_total(GraphPoints::total(m_points))
    , m_slices(GraphPoints::pieSlices(m_points))
{
}

std::vector<GraphPoint> GraphModel::pagePoints() const
{
    const auto begin = m_points.begin() + paging.first();
    return std::vector<GraphPoint>(begin, begin + paging.count());
}

} // namespace zendrova
