#include "query/ui/FilterEntryDelegate.h"

#include <QPainter>
#include <QPolygon>

namespace zendrova {

FilterEntryDelegate::FilterEntryDelegate(Ticked ticked, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_ticked(std::move(ticked))
{ }

void FilterEntryDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &palette = option.palette;
    painter->save();
    painter->fillRect(r, selected ? palette.highlight() : palette.base());
    const int h = kItemHeight;
    if (m_ticked(index.row())) {
        painter->setPen(QPen(selected ? Qt::yellow : Qt::black, 2));
        const QPolygon tick({ QPoint(r.left() + 2, r.top() + h / 2),
            QPoint(r.left() + h / 2, r.top() + h - 2), QPoint(r.left() + h - 1, r.top() + 2) });
        painter->drawPolyline(tick);
    }
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    painter->setFont(option.font);
    const QRect text(r.left() + h + 4, r.top(), r.width() - h - 4, r.height());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    painter->restore();
}

QSize FilterEntryDelegate::sizeHint(
    const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QSize hint = QStyledItemDelegate::sizeHint(option, index);
    return { hint.width() + kItemHeight + 4, std::max(hint.height(), kItemHeight) };
}

} // namespace zendrova
