#include "common/ui/TNoFocusBitBtn.h"

#include <QMouseEvent>

namespace zendrova {

TNoFocusBitBtn::TNoFocusBitBtn(QWidget *parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void TNoFocusBitBtn::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    QPushButton::mousePressEvent(event);
}

} // namespace zendrova
