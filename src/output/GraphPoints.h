#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace zendrova {

// One point of the summary graph: a group's key and its count.
struct GraphPoint
{
    QString label;
    double value = 0.0;

    bool operator==(const GraphPoint &) const = default;
};

// What the Summary Graph draws, worked out without a chart.
class GraphPoints
{
    Q_DECLARE_TR_FUNCTIONS(GraphPoints)

public:
    // A share of the total at or below this goes into the pie's OTHER slice.
    static constexpr double kOtherShare = 0.02;

    static QString otherLabel();

    // The keys with their counts; a count text that is no number counts 0.
    static std::vector<GraphPoint> fromTexts(const QStringList &keys, const QStringList &counts);
    static double total(const std::vector<GraphPoint> &points);
    // The pie's slices: every point above the share on its own, the others
    // summed into one OTHER slice at the end when their sum is above 0.
    static std::vector<GraphPoint> pieSlices(const std::vector<GraphPoint> &points);
    // A legend entry of the pie: the slice's percent of the total, then its label.
    static QString pieLegendText(const GraphPoint &slice, double total);

    // Where the chart goes on a printed page: a tenth of the page in from the
    // left, top and right, as tall as the window's proportions make it.
    static QRect printRect(QSize page, QSize window);
};

} // namespace zendrova
