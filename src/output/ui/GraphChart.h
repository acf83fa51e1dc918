#pragma once

#include <QChartView>

class QBarCategoryAxis;
class QChart;
class QLineSeries;
class QPieSeries;
class QStackedBarSeries;
class QValueAxis;

namespace zendrova {

class GraphModel;

// The summary graph's chart: a bar, a pie and a line series of which one is
// shown at a time. Qt Charts draws no 3D; the 3D view here is a drop shadow
// behind the plot with bars and slices shaded from light to dark, and a
// broader line.
class GraphChart : public QChartView
{
    Q_OBJECT

public:
    explicit GraphChart(QWidget *parent = nullptr);

    // Fills the series from the model's current page and applies its choices.
    void show(const GraphModel &model);
    void setTitle(const QString &title);

    QStackedBarSeries *barSeries() const { return m_bars; }
    QPieSeries *pieSeries() const { return m_pie; }
    QLineSeries *lineSeries() const { return m_line; }
    QBarCategoryAxis *bottomAxis() const { return m_bottom; }

    // The colour of the point at index (over all pages, so a point keeps it).
    static QColor pointColor(int index);

private:
    void fillBars(const GraphModel &model);
    void fillLine(const GraphModel &model);
    void fillPie(const GraphModel &model);
    QBrush brushFor(int index, bool threeD) const;

    QChart *m_chart;
    QStackedBarSeries *m_bars;
    QPieSeries *m_pie;
    QLineSeries *m_line;
    QBarCategoryAxis *m_bottom;
    QValueAxis *m_left;
};

} // namespace zendrova
