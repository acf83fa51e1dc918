#include "mainwin/ui/TOrvanHeader.h"

#include "common/CaptionList.h"
#include "common/FileLookup.h"
#include "common/HelpTopic.h"
#include "mainwin/HeaderTemplates.h"
#include "mainwin/ui/HeaderMenu.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <cstdlib>
#include <utility>

namespace zendrova {

namespace {
constexpr int kHeight = 20;
constexpr int kDropMarkWidth = 2;
} // namespace

TOrvanHeader::TOrvanHeader(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("OrvanHeader1"));
    setToolTip(tr("Left Click - Change Order;  Right Click - Menu"));
    setHelpContext(this, kHelpContext);
    setMouseTracking(true);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    m_menu = new HeaderMenu(*this);
}

TOrvanHeader::~TOrvanHeader() = default;

const CaptionList &TOrvanHeader::captions() const
{
    static const CaptionList none;
    return m_captions ? *m_captions : none;
}

void TOrvanHeader::loadHeader(const QString &userFolder, const CaptionList &captions)
{
    m_userFolder = userFolder;
    m_captions = &captions;
    const QList<HeaderSection> before = m_sections.all();
    m_sections.load(joinPath(userFolder, HeaderSections::kFileName), captions);
    announceIfChanged(before);
}

bool TOrvanHeader::saveHeader(const QString &userFolder) const
{
    return m_sections.save(joinPath(userFolder, HeaderSections::kFileName));
}

void TOrvanHeader::applyCaptions()
{
    const QList<HeaderSection> before = m_sections.all();
    m_sections.applyCaptions(captions());
    announceIfChanged(before);
}

void TOrvanHeader::insertField(int fieldIndex)
{
    const QList<HeaderSection> before = m_sections.all();
    m_sections.insert(fieldIndex, captions());
    announceIfChanged(before);
}

void TOrvanHeader::removeField(const QString &caption)
{
    const QList<HeaderSection> before = m_sections.all();
    m_sections.remove(caption);
    announceIfChanged(before);
}

void TOrvanHeader::loadFromTemplate(const QString &name)
{
    const QList<HeaderSection> before = m_sections.all();
    HeaderTemplates(m_sections, captions(), m_userFolder).loadFromTemplate(name);
    announceIfChanged(before);
}

void TOrvanHeader::saveAsTemplate()
{
    HeaderTemplates(m_sections, captions(), m_userFolder).saveAsTemplate();
}

void TOrvanHeader::deleteTemplate(const QString &name)
{
    HeaderTemplates(m_sections, captions(), m_userFolder).deleteTemplate(name);
}

void TOrvanHeader::announceIfChanged(const QList<HeaderSection> &before)
{
    if (m_sections.all() == before)
        return;
    update();
    emit OnHChange();
}

QSize TOrvanHeader::sizeHint() const
{
    return QSize(m_sections.count() ? m_sections.right(m_sections.count() - 1) : 0, kHeight);
}

void TOrvanHeader::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_sections.setHeaderWidth(width()))
        emit OnHChange();
}

int TOrvanHeader::borderAt(int x) const
{
    // The nearest right edge within reach. Hidden (zero-width) sections share
    // the edge of the one before: a press right of the edge opens the last of
    // them, a press on or left of it takes the visible section.
    int nearest = kGripMargin + 1;
    int edge = 0;
    for (int i = 0, right = 0; i < m_sections.count(); ++i) {
        right += m_sections.width(i);
        if (std::abs(x - right) < nearest) {
            nearest = std::abs(x - right);
            edge = right;
        }
    }
    if (nearest > kGripMargin)
        return -1;
    int firstVisible = -1;
    int last = -1;
    for (int i = 0, right = 0; i < m_sections.count(); ++i) {
        right += m_sections.width(i);
        if (right != edge)
            continue;
        if (firstVisible < 0 && m_sections.width(i) > 0)
            firstVisible = i;
        last = i;
    }
    return (x > edge || firstVisible < 0) ? last : firstVisible;
}

int TOrvanHeader::sectionToMoveAt(int x) const
{
    for (int i = 0, left = 0; i < m_sections.count(); ++i) {
        const int right = left + m_sections.width(i);
        if (x >= left && x < right)
            return (x - left > kGripMargin && right - x > kGripMargin) ? i : -1;
        left = right;
    }
    return -1;
}

void TOrvanHeader::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (m_drag != Drag::None) {
        // The release of the last drag went elsewhere: it ends here.
        m_drag = Drag::None;
        announceIfChanged(m_beforeDrag);
    }
    const int x = event->position().toPoint().x();
    m_beforeDrag = m_sections.all();
    m_pressX = m_dragX = x;
    m_dragInside = true;
    if ((m_dragIndex = borderAt(x)) >= 0) {
        m_drag = Drag::Resize;
        m_pressWidth = m_sections.width(m_dragIndex);
    } else if ((m_dragIndex = sectionToMoveAt(x)) >= 0) {
        m_drag = Drag::Move;
        setCursor(Qt::ClosedHandCursor);
        update();
    }
}

void TOrvanHeader::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int x = at.x();
    m_dragX = x;
    m_dragInside = rect().contains(at);
    switch (m_drag) {
    case Drag::Resize:
        m_sections.resize(m_dragIndex, m_pressWidth + x - m_pressX);
        update();
        break;
    case Drag::Move:
        update();
        break;
    case Drag::None:
        if (borderAt(x) >= 0)
            setCursor(Qt::SplitHCursor);
        else
            unsetCursor();
        break;
    }
}

void TOrvanHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Drag ended = std::exchange(m_drag, Drag::None);
    unsetCursor();
    // Only the header itself takes a dropped section.
    const QPoint at = event->position().toPoint();
    if (ended == Drag::Move && rect().contains(at))
        m_sections.moveByDrop(m_dragIndex, at.x());
    update();
    announceIfChanged(m_beforeDrag);
}

void TOrvanHeader::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_drag == Drag::None)
        m_menu->popup(event->globalPos());
}

void TOrvanHeader::popupMenuBelow()
{
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}

void TOrvanHeader::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    int end = 0;
    for (int i = 0; i < m_sections.count(); ++i) {
        paintSection(painter, i, end);
        end += m_sections.width(i);
    }
    if (end < width()) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = QRect(end, 0, width() - end, height());
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &option, &painter, this);
    }
    if (m_drag == Drag::Move)
        paintDropMark(painter);
}

void TOrvanHeader::paintSection(QPainter &painter, int index, int left) const
{
    const int width = m_sections.width(index);
    if (width <= 0)
        return;
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = QRect(left, 0, width, height());
    option.section = index;
    option.text = m_sections.caption(index);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    const int last = m_sections.count() - 1;
    option.position = last == 0 ? QStyleOptionHeader::OnlyOneSection
        : index == 0            ? QStyleOptionHeader::Beginning
        : index == last         ? QStyleOptionHeader::End
                                : QStyleOptionHeader::Middle;
    const bool dragged = m_drag == Drag::Move && index == m_dragIndex;
    option.state |= dragged ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}

void TOrvanHeader::paintDropMark(QPainter &painter) const
{
    const int target = m_sections.dropTarget(m_dragX);
    if (!m_dragInside || target < 0 || target == m_dragIndex)
        return;
    // The dragged section lands after a target to its right, before one to its left.
    const int x = target > m_dragIndex ? m_sections.right(target) : m_sections.left(target);
    painter.fillRect(QRect(x - kDropMarkWidth / 2, 0, kDropMarkWidth, height()),
        palette().color(QPalette::Highlight));
}

} // namespace zendrova
