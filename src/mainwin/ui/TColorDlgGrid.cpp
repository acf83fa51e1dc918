#include "mainwin/ui/TColorDlgGrid.h"

#include "mainwin/Palette.h"

#include <QMouseEvent>
#include <QPainter>

namespace zendrova {

namespace {

constexpr int kOutlineWidth = 2;
constexpr int kMinimumRowHeight = 12;

} // namespace

TColorDlgGrid::TColorDlgGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Color_Lst"));
    setToolTip(tr("Click to select a Color"));
    setMinimumSize(80, Palette::kSize * kMinimumRowHeight);
}

void TColorDlgGrid::setCurrent(int index, const QColor &outline)
{
    m_current = index;
    m_outline = outline;
    update();
}

int TColorDlgGrid::rowHeight() const
{
    return std::max(1, height() / Palette::kSize);
}

QRect TColorDlgGrid::cellRect(int index) const
{
    return QRect(0, index * rowHeight(), width(), rowHeight());
}

QSize TColorDlgGrid::sizeHint() const
{
    return QSize(120, Palette::kSize * 16);
}

void TColorDlgGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < Palette::kSize; ++i)
        painter.fillRect(cellRect(i), Palette::color(i));
    if (m_current < 0 || m_current >= Palette::kSize)
        return;
    // The pen is centred on the rectangle's edge, so inset by half its width
    // to keep both pixels inside the cell.
    painter.setPen(QPen(m_outline, kOutlineWidth));
    const QRect cell = cellRect(m_current);
    painter.drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
}

void TColorDlgGrid::mousePressEvent(QMouseEvent *event)
{
    const int row = event->position().toPoint().y() / rowHeight();
    if (row >= 0 && row < Palette::kSize && m_clicked)
        m_clicked(row);
}

} // namespace zendrova
