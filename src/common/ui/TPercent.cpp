#include "common/ui/TPercent.h"

#include "common/ProgressCounter.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace zendrova {

TPercent::TPercent(QWidget *parent)
    : QWidget(parent)
{
    resize(90, 20);
}

void TPercent::setPercentShaded(int percent)
{
    percent = ProgressCounter::clampPercent(percent);
    m_percent = percent;
    if (percent < 2)
        update();
    else
        update(barRect());
}

void TPercent::setPercentColor(const QColor &colour)
{
    m_color = colour;
    update();
}

void TPercent::setShowPercent(bool on)
{
    m_showPercent = on;
    update();
}

void TPercent::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TPercent::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        update();
}

QString TPercent::shownText() const
{
    return m_showPercent ? QStringLiteral("%1%").arg(m_percent) : m_caption;
}

int TPercent::splitPoint() const
{
    const int inner = (IsHorizontal() ? width() : height()) - 4;
    return static_cast<int>(std::lround(inner * m_percent / 100.0)) + 2;
}

QRect TPercent::barRect() const
{
    return rect().adjusted(1, 1, -1, -1);
}

void TPercent::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, h - 1, 0, 0);
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(Qt::white);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.drawLine(w - 1, h - 1, 0, h - 1);

    const int a = splitPoint();
    QRect filled;
    QRect rest;
    if (IsHorizontal()) {
        filled = QRect(QPoint(1, 1), QPoint(a - 1, h - 2));
        rest = QRect(QPoint(a, 1), QPoint(w - 2, h - 2));
    } else {
        filled = QRect(QPoint(1, 1), QPoint(w - 2, a - 1));
        rest = QRect(QPoint(1, a), QPoint(w - 2, h - 2));
    }
    if (rest.isValid()) {
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(rest.adjusted(0, 0, -1, -1));
    }
    if (filled.isValid()) {
        p.setPen(m_color);
        p.setBrush(m_color);
        p.drawRect(filled.adjusted(0, 0, -1, -1));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, shownText());
}

void TPercent::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick();
}

void TPercent::mouseDoubleClickEvent(QMouseEvent *)
{
    emit OnDblClick();
}

} // namespace zendrova
