#include "editors/ui/TfrmCalPop.h"

#include "common/Clock.h"
#include "common/ui/DialogButtons.h"
#include "editors/ui/TDateEdit.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QPushButton>

namespace zendrova {

namespace {

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

QFont calendarFont()
{
    // The small sans serif face of the calendar.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QPushButton *glyphButton(QWidget *parent, const QString &name, DialogGlyph glyph,
                         const QString &hint, const QRect &geometry)
{
    QPushButton *button = popupButton(parent, name, geometry);
    button->setIcon(dialogGlyph(glyph));
    button->setToolTip(hint);
    return button;
}

} // namespace

TfrmCalPop::TfrmCalPop(TDateEdit *editor)
    : QDialog(editor, Qt::Dialog | Qt::FramelessWindowHint)
    , m_editor(editor)
    , m_model(editor->shownDate().value_or(Clock::today()))
    , m_layout(1, 1)
    , m_font(calendarFont())
{
    setObjectName(QStringLiteral("TfrmCalPop"));
    setToolTip(tr("Click on a Day to update Date Field"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
    setAutoFillBackground(true);

    const QFontMetrics metrics(m_font);
    m_layout = CalendarLayout::fromFont(metrics.averageCharWidth(), metrics.height());
    setFixedSize(m_layout.windowSize());

    m_today = glyphButton(this, QStringLiteral("TodayBtn"), DialogGlyph::Check,
                          tr("Set Today Date"), m_layout.todayButton());
    m_cancel = glyphButton(this, QStringLiteral("CancelBtn"), DialogGlyph::Cross,
                           tr("Close Calendar Without Updating Date Field."),
                           m_layout.cancelButton());
    connect(m_today, &QPushButton::clicked, this, [this] { done(TodayResult); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    setFocusPolicy(Qt::StrongFocus);
}

void TfrmCalPop::chooseSelected()
{
    m_editor->writeDate(m_model.date());
    done(OkResult);
}

void TfrmCalPop::moved(int oldCell, bool monthChanged)
{
    if (monthChanged) {
        update();
        return;
    }
    update(m_layout.cellRect(oldCell));
    update(m_layout.cellRect(m_model.selectedCell()));
    update(m_layout.titleRect());
}

void TfrmCalPop::keyPressEvent(QKeyEvent *event)
{
    const int oldCell = m_model.selectedCell();
    bool monthChanged = false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseSelected();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Left:
        monthChanged = m_model.moveDays(-1);
        break;
    case Qt::Key_Right:
        monthChanged = m_model.moveDays(1);
        break;
    case Qt::Key_Up:
        monthChanged = m_model.moveDays(-7);
        break;
    case Qt::Key_Down:
        monthChanged = m_model.moveDays(7);
        break;
    case Qt::Key_PageUp:
        monthChanged = m_model.pageUp();
        break;
    case Qt::Key_PageDown:
        monthChanged = m_model.pageDown();
        break;
    case Qt::Key_Home:
        monthChanged = m_model.yearForward();
        break;
    case Qt::Key_End:
        monthChanged = m_model.yearBack();
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    moved(oldCell, monthChanged);
}

void TfrmCalPop::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const int oldCell = m_model.selectedCell();
    if (m_layout.leftArrow().contains(pos)) {
        moved(oldCell, m_model.pageUp());
    } else if (m_layout.rightArrow().contains(pos)) {
        moved(oldCell, m_model.pageDown());
    } else if (m_model.selectCell(m_layout.cellAt(pos))) {
        m_tracking = true;
        moved(oldCell, false);
    }
}

void TfrmCalPop::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking)
        return;
    const int oldCell = m_model.selectedCell();
    if (m_model.selectCell(m_layout.cellAt(event->position().toPoint())))
        moved(oldCell, false);
}

void TfrmCalPop::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_tracking || event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    chooseSelected();
}

void TfrmCalPop::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kSilver);
    p.setFont(m_font);
    paintTitle(p);
    paintDays(p);
}

void TfrmCalPop::paintArrow(QPainter &p, const QRect &box, bool pointsLeft)
{
    p.fillRect(box, kSilver);
    p.setPen(Qt::white);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(kGrey);
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());
    const QPoint c = box.center();
    const int tip = pointsLeft ? -3 : 3;
    const QPolygon triangle({QPoint(c.x() + tip, c.y()), QPoint(c.x() - tip, c.y() - 4),
                             QPoint(c.x() - tip, c.y() + 4)});
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawPolygon(triangle);
    p.setBrush(Qt::NoBrush);
}

void TfrmCalPop::paintTitle(QPainter &p)
{
    paintArrow(p, m_layout.leftArrow(), true);
    paintArrow(p, m_layout.rightArrow(), false);
    QFont bold = m_font;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QRect between(QPoint(m_layout.leftArrow().right() + 1, 0),
                        QPoint(m_layout.rightArrow().left() - 1, m_layout.rowHeight()));
    p.drawText(between, Qt::AlignCenter, english.toString(m_model.date(), QStringLiteral("MMMM d, yyyy")));
    p.setFont(m_font);

    static const char *const names[7] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    for (int column = 0; column < 7; ++column) {
        p.setPen(column == 0 ? Qt::red : Qt::black);
        p.drawText(m_layout.weekdayCell(column), Qt::AlignCenter, QString::fromLatin1(names[column]));
    }
    const int y = m_layout.etchedLineY();
    const int right = m_layout.cellRect(6).right();
    p.setPen(kGrey);
    p.drawLine(4, y, right, y);
    p.setPen(Qt::white);
    p.drawLine(4, y + 1, right, y + 1);
}

void TfrmCalPop::paintDays(QPainter &p)
{
    const QDate today = Clock::today();
    const QDate shown = m_model.date();
    for (int cell = 0; cell < CalendarModel::kCells; ++cell) {
        const int day = m_model.dayAt(cell);
        if (day == 0)
            continue;
        const QRect box = m_layout.cellRect(cell);
        const bool selected = cell == m_model.selectedCell();
        if (selected) {
            const QRect frame = box.adjusted(1, 0, -1, -1);
            p.setPen(kGrey);
            p.drawLine(frame.topLeft(), frame.topRight());
            p.drawLine(frame.topLeft(), frame.bottomLeft());
            p.setPen(Qt::white);
            p.drawLine(frame.bottomLeft(), frame.bottomRight());
            p.drawLine(frame.topRight(), frame.bottomRight());
        }
        QColor colour = Qt::black;
        if (QDate(shown.year(), shown.month(), day) == today)
            colour = Qt::yellow;
        else if (cell % 7 == 0)
            colour = Qt::red;
        QFont font = m_font;
        font.setBold(selected);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, Qt::AlignCenter, QString::number(day));
    }
    p.setFont(m_font);
}

} // namespace zendrova
