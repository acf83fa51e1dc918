#pragma once

#include "output/GraphPaging.h"
#include "output/GraphPoints.h"

#include <vector>

namespace zendrova {

enum class GraphType { Bars = 0, Pie = 1, Lines = 2 };
enum class AxisLabels { Horizontal = 0, Vertical = 1, None = 2 };

// The Summary Graph's state without a chart: its points, the choices of its
// top panel, the page shown and which controls the panel shows.
class GraphModel
{
public:
    GraphModel(const QStringList &keys, const QStringList &counts);

    const std::vector<GraphPoint> &points() const { return m_points; }
    double total() const { return m_total; }
    // The bar and line points of the current page, and the pie's slices (the
    // pie is not paged).
    std::vector<GraphPoint> pagePoints() const;
    const std::vector<GraphPoint> &pieSlices() const { return m_slices; }

    GraphType type = GraphType::Bars;
    bool threeD = true;
    AxisLabels axisLabels = AxisLabels::Horizontal;
    GraphPaging paging;

    // The bottom axis labels' angle in degrees (counter-clockwise) and whether they show.
    int labelAngle() const { return axisLabels == AxisLabels::Vertical ? 90 : 0; }
    bool labelsShown() const { return axisLabels != AxisLabels::None; }
    // The axis-label choice, the items box with its label and update button.
    bool pagingPanelShown() const { return type != GraphType::Pie; }
    // The Previous and Next buttons.
    bool pageButtonsShown() const { return pagingPanelShown() && paging.buttonsVisible(); }

private:
    std::vector<GraphPoint> m_points;
    double m_total = 0.0;
    std::vector<GraphPoint> m_slices;
};

} // namespace zendrova
