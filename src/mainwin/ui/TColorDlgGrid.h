#pragma once

#include <QWidget>
#include <functional>

namespace zendrova {

// The colour dialog's palette: one row per palette colour, the current
// colour's row outlined with a 2-pixel frame in the outline colour.
class TColorDlgGrid : public QWidget
{
public:
    explicit TColorDlgGrid(QWidget *parent = nullptr);

    void setCurrent(int index, const QColor &outline);
    int current() const { return m_current; }
    // Called with the row the user clicked.
    void onCellClicked(std::function<void(int)> handler) { m_clicked = std::move(handler); }

    QRect cellRect(int index) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int rowHeight() const;

    int m_current = -1;
    QColor m_outline;
    std::function<void(int)> m_clicked;
};

} // namespace zendrova
