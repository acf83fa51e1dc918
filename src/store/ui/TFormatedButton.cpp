#include "store/ui/TFormatedButton.h"

#include <QPainter>

namespace zendrova {

TFormatedButton::TFormatedButton(QWidget *parent)
    : TColorButton(parent)
{ }

void TFormatedButton::setColumns(const QList<RowColumn> &columns)
{
    m_columns = columns;
    update();
}

void TFormatedButton::drawFace(QPainter &painter, const QRect &face, const QColor &text)
{
    painter.setPen(text);
    for (const PlacedText &placed :
        RowColumns::place(m_columns, face.left(), height(), painter.fontMetrics())) {
        const QRect cell(placed.rect.left(), face.top(), placed.rect.width(), face.height());
        painter.drawText(cell,
            Qt::AlignVCenter | (placed.rightAligned ? Qt::AlignRight : Qt::AlignLeft), placed.text);
    }
}

} // namespace zendrova
