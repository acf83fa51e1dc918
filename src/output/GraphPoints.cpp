#include "output/GraphPoints.h"

#include <cmath>

namespace zendrova {

QString GraphPoints::otherLabel()
{
    return tr("OTHER");
}

std::vector<GraphPoint> GraphPoints::fromTexts(const QStringList &keys, const QStringList &counts)
{
    std::vector<GraphPoint> points;
    points.reserve(size_t(keys.size()));
    for (int i = 0; i < keys.size(); ++i) {
        bool ok = false;
        const double value = counts.value(i).trimmed().toDouble(&ok);
        points.push_back({ keys.at(i), ok ? value : 0.0 });
    }
    return points;
}

double GraphPoints::total(const std::vector<GraphPoint> &points)
{
    double sum = 0.0;
    for (const GraphPoint &point : points)
        sum += point.value;
    return sum;
}

std::vector<GraphPoint> GraphPoints::pieSlices(const std::vector<GraphPoint> &points)
{
    const double sum = total(points);
    std::vector<GraphPoint> slices;
    double other = 0.0;
    for (const GraphPoint &point : points) {
        // With a total of 0 no share can be told: every point stands alone.
        if (sum != 0.0 && point.value / sum <= kOtherShare)
            other += point.value;
        else
            slices.push_back(point);
    }
    if (other > 0.0)
        slices.push_back({ otherLabel(), other });
    return slices;
}

QString GraphPoints::pieLegendText(const GraphPoint &slice, double total)
{
    const double percent = total != 0.0 ? slice.value * 100.0 / total : 0.0;
    // Up to two decimals, none written when they are zeros.
    QString number = QString::number(std::round(percent * 100.0) / 100.0, 'f', 2);
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number + QStringLiteral(" % ") + slice.label;
}

QRect GraphPoints::printRect(QSize page, QSize window)
{
    const int left = page.width() / 10;
    const int top = page.height() / 10;
    const int right = page.width() - page.width() / 10;
    const int height = window.width() > 0
        ? int(std::lround(double(window.height()) / double(window.width()) * page.width()))
        : 0;
    return QRect(QPoint(left, top), QSize(right - left, height));
}

} // namespace zendrova
