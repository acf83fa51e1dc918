#include "store/ui/TFormatedButton.h"

#include <QFontMetrics>
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

QStringList TFormatedButton::shownTexts() const
{
    const QRect face = faceRect();
    const QFontMetrics metrics = fontMetrics();
    QStringList shown;
    for (const PlacedText &placed :
        RowColumns::place(m_columns, face.left(), face.right() + 1, height(), metrics)) {
        const int start = placed.rightAligned
            ? placed.rect.right() + 1 - metrics.horizontalAdvance(placed.text)
            : placed.rect.left();
        // The painter draws nothing beyond the face's right edge.
        shown << RowColumns::cutToWidth(placed.text, face.right() + 1 - start, metrics);
    }
    return shown;
}

void TFormatedButton::drawFace(QPainter &painter, const QRect &face, const QColor &text)
{
    painter.setPen(text);
    for (const PlacedText &placed : RowColumns::place(
             m_columns, face.left(), face.right() + 1, height(), painter.fontMetrics())) {
        const QRect cell(placed.rect.left(), face.top(), placed.rect.width(), face.height());
        painter.drawText(cell,
            Qt::AlignVCenter | (placed.rightAligned ? Qt::AlignRight : Qt::AlignLeft), placed.text);
    }
}

} // namespace zendrova
