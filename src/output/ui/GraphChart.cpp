#include "output/ui/GraphChart.h"

#include "output/GraphModel.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace zendrova {

namespace {
constexpr int kFlatLineWidth = 2;
constexpr int kDeepLineWidth = 4;
constexpr double kHeadroom = 1.1;
// Each category holds one bar (the other sets are 0 there): let it fill most of it.
constexpr double kBarWidth = 0.8;
} // namespace

QColor GraphChart::pointColor(int index)
{
    static const QColor colors[] = { QColor(0xd6, 0x27, 0x28), QColor(0x1f, 0x77, 0xb4),
        QColor(0x2c, 0xa0, 0x2c), QColor(0xff, 0xbf, 0x00), QColor(0x94, 0x67, 0xbd),
        QColor(0x17, 0xbe, 0xcf), QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b),
        QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
        QColor(0x00, 0x33, 0x99) };
    constexpr int count = int(std::size(colors));
    return colors[((index % count) + count) % count];
}

GraphChart::GraphChart(QWidget *parent)
    : QChartView(parent)
    , m_chart(new QChart)
    , m_bars(new QStackedBarSeries)
    , m_pie(new QPieSeries)
    , m_line(new QLineSeries)
    , m_bottom(new QBarCategoryAxis)
    , m_left(new QValueAxis)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing);
    m_bars->setObjectName(QStringLiteral("BarSeries1"));
    m_pie->setObjectName(QStringLiteral("PieSeries1"));
    m_line->setObjectName(QStringLiteral("LineSeries1"));
    m_chart->addSeries(m_bars);
    m_chart->addSeries(m_pie);
    m_chart->addSeries(m_line);
    m_chart->addAxis(m_bottom, Qt::AlignBottom);
    m_chart->addAxis(m_left, Qt::AlignLeft);
    for (QAbstractSeries *series : { static_cast<QAbstractSeries *>(m_bars),
             static_cast<QAbstractSeries *>(m_line) }) {
        series->attachAxis(m_bottom);
        series->attachAxis(m_left);
    }
    m_bars->setBarWidth(kBarWidth);
    m_left->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->legend()->setAlignment(Qt::AlignLeft);
    m_line->setPointsVisible(true);
    setChart(m_chart);
}

void GraphChart::setTitle(const QString &title)
{
    m_chart->setTitle(title);
}

QBrush GraphChart::brushFor(int index, bool threeD) const
{
    const QColor color = pointColor(index);
    if (!threeD)
        return QBrush(color);
    QLinearGradient shade(0.0, 0.0, 1.0, 0.0);
    shade.setCoordinateMode(QGradient::ObjectMode);
    shade.setColorAt(0.0, color.lighter(150));
    shade.setColorAt(0.5, color);
    shade.setColorAt(1.0, color.darker(170));
    return QBrush(shade);
}

void GraphChart::show(const GraphModel &model)
{
    fillBars(model);
    fillLine(model);
    fillPie(model);
    m_bars->setVisible(model.type == GraphType::Bars);
    m_pie->setVisible(model.type == GraphType::Pie);
    m_line->setVisible(model.type == GraphType::Lines);
    // Only the shown series has legend entries.
    for (QLegendMarker *marker : m_chart->legend()->markers())
        marker->setVisible(marker->series()->isVisible() && marker->series() != m_line);
    m_chart->setDropShadowEnabled(model.threeD);
    m_bottom->setLabelsVisible(model.labelsShown());
    // The chart turns labels clockwise; a vertical label reads upwards.
    m_bottom->setLabelsAngle(-model.labelAngle());
}

void GraphChart::fillBars(const GraphModel &model)
{
    m_bars->clear();
    const std::vector<GraphPoint> points = model.pagePoints();
    QStringList labels;
    double top = 0.0;
    for (const GraphPoint &point : points) {
        labels << point.label;
        top = std::max(top, point.value);
    }
    // One set per point, holding its value only in its own category: each
    // bar gets its own colour and legend entry.
    for (int i = 0; i < int(points.size()); ++i) {
        auto *set = new QBarSet(points[size_t(i)].label);
        for (int j = 0; j < int(points.size()); ++j)
            set->append(i == j ? points[size_t(i)].value : 0.0);
        set->setBrush(brushFor(model.paging.first() + i, model.threeD));
        set->setPen(QPen(pointColor(model.paging.first() + i).darker(200)));
        m_bars->append(set);
    }
    m_bottom->clear();
    m_bottom->append(labels.isEmpty() ? QStringList { QString() } : labels);
    m_left->setRange(0.0, top > 0.0 ? top * kHeadroom : 1.0);
    m_left->applyNiceNumbers();
}

void GraphChart::fillLine(const GraphModel &model)
{
    m_line->clear();
    const std::vector<GraphPoint> points = model.pagePoints();
    for (int i = 0; i < int(points.size()); ++i) {
        m_line->append(i, points[size_t(i)].value);
        m_line->setPointConfiguration(i, QXYSeries::PointConfiguration::Color,
            pointColor(model.paging.first() + i));
    }
    QPen pen(pointColor(1));
    pen.setWidth(model.threeD ? kDeepLineWidth : kFlatLineWidth);
    m_line->setPen(pen);
    m_line->setMarkerSize(model.threeD ? 12.0 : 8.0);
}

void GraphChart::fillPie(const GraphModel &model)
{
    m_pie->clear();
    const std::vector<GraphPoint> &slices = model.pieSlices();
    for (int i = 0; i < int(slices.size()); ++i) {
        // The slice's mark shows its value; its legend entry the percent and key.
        QPieSlice *slice = m_pie->append(QString::number(slices[size_t(i)].value, 'g', 15),
            slices[size_t(i)].value);
        slice->setLabelVisible(true);
        slice->setBrush(brushFor(i, model.threeD));
        slice->setExploded(model.threeD);
        slice->setExplodeDistanceFactor(0.03);
    }
    const QList<QLegendMarker *> markers = m_chart->legend()->markers(m_pie);
    for (int i = 0; i < int(markers.size()) && i < int(slices.size()); ++i)
        markers[i]->setLabel(GraphPoints::pieLegendText(slices[size_t(i)], model.total()));
}

} // namespace zendrova
