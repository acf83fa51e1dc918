#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace zendrova {

// Draws a line of the filter's entry list: a tick before the caption of an
// entry that has a condition.
class FilterEntryDelegate : public QStyledItemDelegate
{
public:
    static constexpr int kItemHeight = 13;

    using Ticked = std::function<bool(int row)>;
    FilterEntryDelegate(Ticked ticked, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Ticked m_ticked;
};

} // namespace zendrova
