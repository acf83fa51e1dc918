#include "store/ui/TColorButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace zendrova {

TColorButton::TColorButton(QWidget *parent)
    : QAbstractButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_stayDown)
            setSelected(true);
    });
}

void TColorButton::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void TColorButton::setBgndColor(const QColor &color)
{
    m_bgndColor = color;
    update();
}

void TColorButton::setSelTextColor(const QColor &color)
{
    m_selTextColor = color;
    update();
}

void TColorButton::setSelBgndColor(const QColor &color)
{
    m_selBgndColor = color;
    update();
}

void TColorButton::setIsDefault(bool on)
{
    m_isDefault = on;
    update();
}

void TColorButton::setSelected(bool on)
{
    if (on && parentWidget()) {
        const auto siblings
            = parentWidget()->findChildren<TColorButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (TColorButton *other : siblings)
            if (other != this && other->m_selected) {
                other->m_selected = false;
                other->update();
            }
    }
    m_selected = on;
    update();
}

QSize TColorButton::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text()) + 8, fontMetrics().height() + 6);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    const bool sunken = isDown() || m_selected;
    painter.fillRect(r, m_selected ? m_selBgndColor : m_bgndColor);

    // Raised or sunken 3D edge; a default button gets a black outline around it.
    QRect edge = r;
    if (m_isDefault) {
        painter.setPen(Qt::black);
        painter.drawRect(edge.adjusted(0, 0, -1, -1));
        edge.adjust(1, 1, -1, -1);
    }
    painter.setPen(sunken ? palette().dark().color() : Qt::white);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(sunken ? Qt::white : palette().dark().color());
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());

    drawFace(painter, faceRect(), m_selected ? m_selTextColor : m_textColor);

    if (hasFocus() && height() >= kMinFocusFrameHeight) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = edge.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

QRect TColorButton::faceRect() const
{
    QRect face = rect().adjusted(2, 1, -2, -1);
    if (m_isDefault)
        face.adjust(1, 1, -1, -1);
    if (isDown() || m_selected)
        face.translate(1, 1);
    return face;
}

void TColorButton::drawFace(QPainter &painter, const QRect &face, const QColor &text)
{
    painter.setPen(text);
    painter.drawText(face, Qt::AlignCenter, this->text());
}

} // namespace zendrova
