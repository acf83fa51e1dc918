#include "editors/ui/TEditButton.h"

#include <QPainter>

namespace zendrova {

TEditButton::TEditButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("TEditButton"));
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(kWidth);
}

void TEditButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, palette().button());
    const bool down = isDown();
    p.setPen(down ? palette().dark().color() : Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? Qt::white : palette().dark().color());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const int w = width();
    const int y = height() / 2 - 1 + (down ? 1 : 0);
    const QColor dot = isEnabled() ? Qt::black : Qt::gray;
    for (int i = 1; i <= 3; ++i)
        p.fillRect(i * w / 4 - 1 + (down ? 1 : 0), y, 2, 2, dot);
}

} // namespace zendrova
