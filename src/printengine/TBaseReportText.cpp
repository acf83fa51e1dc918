// Text, tab stops and cells, memos, pictures and lines of TBaseReport.
#include "printengine/TBaseReport.h"

#include "printengine/PagePainter.h"

#include <QFontMetricsF>
#include <algorithm>

namespace zendrova::print {

namespace {
QColor shadeColor(int percent)
{
    const int level = 255 - std::clamp(percent, 0, 100) * 255 / 100;
    return QColor(level, level, level);
}

bool resolve(TCellPart part, bool fromStop)
{
    return part == TCellPart::On || (part == TCellPart::FromStop && fromStop);
}
} // namespace

double TBaseReport::MeasureText(const QString &text) const
{
    const double pixel = 1.0 / kDecipointsPerInch / UnitsFactor;
    return std::max(pixel, metrics().horizontalAdvance(text) / kDecipointsPerInch / UnitsFactor);
}

void TBaseReport::textAt(const QString &text, double x)
{
    if (text.isEmpty()) {
        m_x = x;
        return;
    }
    const double width = MeasureText(text);
    if (TextBKMode == bkOpaque)
        DrawShape(PageShapeKind::Rect, QRectF(x, lineTop(), width, OneLineHeight()), 0, QColor(),
                  Qt::white, false);
    emitOp(PageText { absX(x), absY(m_y), text, m_font });
    m_x = x + width;
}

void TBaseReport::EmitText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    const int pending = m_pendingCell;
    m_pendingCell = 0;
    if (pending > 0 && pending <= StopCount())
        placeInCell(m_stops.at(pending - 1), parts.first());
    else
        textAt(parts.first(), m_x);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        tabToNextStop();
        if (m_stopIndex > StopCount()) {
            textAt(parts.at(i), m_x);
            continue;
        }
        const TTabStop &stop = m_stops.at(m_stopIndex - 1);
        drawCell(stop, stop.boxLines, stop.shade > 0 ? stop.shade : TabShade);
        placeInCell(stop, parts.at(i));
    }
}

void TBaseReport::EmitLine(const QString &text)
{
    if (!text.isEmpty())
        EmitText(text);
    EndLine();
}

void TBaseReport::EmitCentred(const QString &text, double x)
{
    textAt(text, x - MeasureText(text) / 2.0);
}

void TBaseReport::EmitTopLine(const QString &text, int justify)
{
    const double saved = m_y, savedX = m_x;
    m_y = m_bandTop + LineAscent();
    const double width = MeasureText(text);
    textAt(text,
        justify == pjRight        ? RightEdge() - width
            : justify == pjCenter ? (LeftEdge() + RightEdge() - width) / 2.0
                                  : LeftEdge());
    m_y = saved;
    m_x = savedX;
}

void TBaseReport::EmitBottomLine(const QString &text, int justify)
{
    const double saved = m_y, savedX = m_x;
    m_y = m_bandBottom - OneLineHeight() + LineAscent();
    const double width = MeasureText(text);
    textAt(text,
        justify == pjRight        ? RightEdge() - width
            : justify == pjCenter ? (LeftEdge() + RightEdge() - width) / 2.0
                                  : LeftEdge());
    m_y = saved;
    m_x = savedX;
}

// --- tab stops ---

void TBaseReport::DropStops()
{
    m_stops.clear();
    RewindStops();
}

void TBaseReport::AddStop(
    int justify, int boxLines, int shade, double margin, double width, double position)
{
    TTabStop stop;
    if (position == kAfterPreviousStop)
        position = m_stops.isEmpty() ? LeftEdge() : m_stops.last().position + m_stops.last().width;
    stop.position = position;
    stop.width = width;
    stop.justify = justify;
    stop.boxLines = boxLines;
    stop.shade = shade;
    stop.margin = margin / 100.0;
    m_stops.append(stop);
}

void TBaseReport::RewindStops()
{
    m_stopIndex = 0;
    m_pendingCell = 0;
}

const TTabStop &TBaseReport::Stop(int n) const
{
    static const TTabStop none;
    return n >= 1 && n <= StopCount() ? m_stops.at(n - 1) : none;
}

double TBaseReport::StopTextLeft(int n) const
{
    return Stop(n).position + Stop(n).margin;
}

double TBaseReport::StopTextRight(int n) const
{
    return Stop(n).position + Stop(n).width - Stop(n).margin;
}

double TBaseReport::StopTextWidth(int n) const
{
    return Stop(n).width - 2.0 * Stop(n).margin;
}

void TBaseReport::tabToNextStop()
{
    if (m_stopIndex <= StopCount())
        ++m_stopIndex;
    if (m_stopIndex <= StopCount())
        m_x = m_stops.at(m_stopIndex - 1).position;
}

void TBaseReport::NextCell(
    TCellPart left, TCellPart right, TCellPart shade, TCellPart bottom, TCellPart top)
{
    tabToNextStop();
    if (m_stopIndex > StopCount())
        return;
    const TTabStop &stop = m_stops.at(m_stopIndex - 1);
    int lines = 0;
    if (resolve(left, stop.boxLines & BOXLINELEFT))
        lines |= BOXLINELEFT;
    if (resolve(right, stop.boxLines & BOXLINERIGHT))
        lines |= BOXLINERIGHT;
    if (resolve(top, stop.boxLines & BOXLINETOP))
        lines |= BOXLINETOP;
    if (resolve(bottom, stop.boxLines & BOXLINEBOTTOM))
        lines |= BOXLINEBOTTOM;
    const int own = stop.shade > 0 ? stop.shade : TabShade;
    int percent = 0;
    if (shade == TCellPart::FromStop)
        percent = own;
    else if (shade == TCellPart::On)
        percent = own > 0 ? own : 10;
    drawCell(stop, lines, percent);
    m_pendingCell = m_stopIndex;
}

void TBaseReport::drawCell(const TTabStop &stop, int boxLines, int shade)
{
    const double top = lineTop(), bottom = top + OneLineHeight();
    const double left = stop.position, right = stop.position + stop.width;
    if (shade > 0) {
        PageShape fill;
        fill.left = absX(left);
        fill.top = absY(top);
        fill.right = absX(right);
        fill.bottom = absY(bottom);
        fill.pen = QColor();
        fill.brush = shadeColor(shade);
        emitOp(fill);
    }
    if (boxLines & BOXLINELEFT)
        lineUnits(left, top, left, bottom);
    if (boxLines & BOXLINERIGHT)
        lineUnits(right, top, right, bottom);
    if (boxLines & BOXLINETOP)
        lineUnits(left, top, right, top);
    if (boxLines & BOXLINEBOTTOM)
        lineUnits(left, bottom, right, bottom);
}

void TBaseReport::placeInCell(const TTabStop &stop, const QString &text)
{
    const int justify
        = CellJustifyAll >= pjCenter && CellJustifyAll <= pjBlock ? CellJustifyAll : stop.justify;
    const double left = stop.position + stop.margin;
    const double right = stop.position + stop.width - stop.margin;
    if (justify == pjBlock) {
        emitBlock(text, left, right);
    } else if (!text.isEmpty()) {
        const double width = MeasureText(text);
        double x = left;
        if (justify == pjRight)
            x = right - width;
        else if (justify == pjCenter)
            x = (left + right - width) / 2.0;
        textAt(text, x);
    }
    m_x = stop.position + stop.width;
}

// Both edges: the room left over is shared out between the words.
void TBaseReport::emitBlock(const QString &text, double left, double right)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 2) {
        textAt(words.isEmpty() ? QString() : words.first(), left);
        return;
    }
    double used = 0.0;
    for (const QString &word : words)
        used += MeasureText(word);
    const double gap = std::max(
        MeasureText(QStringLiteral(" ")), (right - left - used) / double(words.size() - 1));
    double x = left;
    for (const QString &word : words) {
        textAt(word, x);
        x = m_x + gap;
    }
}

// --- lines and pictures ---

void TBaseReport::lineUnits(double x1, double y1, double x2, double y2)
{
    emitOp(PageLine { absX(x1), absY(y1), absX(x2), absY(y2), PenColor, toInches(PenWidth) });
}

void TBaseReport::PenMove(double x, double y)
{
    m_pen = QPointF(x, y);
}

void TBaseReport::PenLine(double x, double y)
{
    lineUnits(m_pen.x(), m_pen.y(), x, y);
    m_pen = QPointF(x, y);
}

void TBaseReport::DrawPicture(
    const QImage &bitmap, double left, double top, double right, double bottom)
{
    if (bitmap.isNull())
        return;
    emitOp(PagePicture { absX(left), absY(top), absX(right), absY(bottom), bitmap });
}

void TBaseReport::DrawShape(PageShapeKind kind, const QRectF &rect, double radius,
    const QColor &pen, const QColor &brush, bool screenOnly)
{
    PageShape shape;
    shape.kind = kind;
    shape.left = absX(rect.left());
    shape.top = absY(rect.top());
    shape.right = absX(rect.right());
    shape.bottom = absY(rect.bottom());
    shape.radius = toInches(radius);
    shape.pen = pen;
    shape.brush = brush;
    shape.screenOnly = screenOnly;
    emitOp(shape);
}

// --- memos ---

void TBaseReport::LoadMemoField(TMemoBuf &buffer, const QString &content)
{
    buffer.SetText(content);
}

void TBaseReport::SeekMemo(TMemoBuf &buffer, int pos)
{
    buffer.SetPos(pos);
}

void TBaseReport::checkMemoBand(const TMemoBuf &buffer) const
{
    if (buffer.PrintEnd <= buffer.PrintStart)
        throw ReportError(
            tr("TMemoBuf.PrintEnd must be greater than TMemoBuf.PrintStart").toStdString());
}

std::pair<QString, int> TBaseReport::memoLine(const TMemoBuf &buffer, int pos, double width) const
{
    const QString &text = buffer.Text();
    const int size = int(text.size());
    int end = pos;
    while (end < size && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
        ++end;
    int after = end;
    if (after < size && text.at(after) == QLatin1Char('\r'))
        ++after;
    if (after < size && text.at(after) == QLatin1Char('\n')
        && (after == end || text.at(end) == QLatin1Char('\r')))
        ++after;
    const QString paragraph = text.mid(pos, end - pos);
    if (metrics().horizontalAdvance(paragraph) / kDecipointsPerInch / UnitsFactor <= width)
        return { paragraph, after };
    // The longest run of whole words that fits; a single word too long is cut by characters.
    int fit = 0;
    for (int i = 1; i <= paragraph.size(); ++i) {
        if (i < paragraph.size() && paragraph.at(i) != QLatin1Char(' '))
            continue;
        if (metrics().horizontalAdvance(paragraph.left(i)) / kDecipointsPerInch / UnitsFactor
            > width)
            break;
        fit = i;
    }
    if (fit == 0) {
        fit = 1;
        while (fit < paragraph.size()
            && metrics().horizontalAdvance(paragraph.left(fit + 1)) / kDecipointsPerInch
                    / UnitsFactor
                <= width)
            ++fit;
    }
    int next = pos + fit;
    while (next < end && text.at(next) == QLatin1Char(' '))
        ++next;
    return { paragraph.left(fit), next == end ? after : next };
}

int TBaseReport::CountMemoLines(const TMemoBuf &buffer) const
{
    checkMemoBand(buffer);
    const double width = buffer.PrintEnd - buffer.PrintStart;
    int lines = 0;
    for (int pos = buffer.Pos(); pos < buffer.Size(); ++lines)
        pos = memoLine(buffer, pos, width).second;
    return lines;
}

void TBaseReport::EmitMemo(TMemoBuf &buffer, int maxLines, bool boxed)
{
    checkMemoBand(buffer);
    const double width = buffer.PrintEnd - buffer.PrintStart;
    const int stop = m_stopIndex;
    for (int printed = 0; !buffer.Empty() && (maxLines <= 0 || printed < maxLines); ++printed) {
        const auto [line, next] = memoLine(buffer, buffer.Pos(), width);
        textAt(line, buffer.PrintStart);
        if (boxed && stop >= 1 && stop <= StopCount()) {
            const TTabStop &cell = m_stops.at(stop - 1);
            drawCell(cell, BOXLINELEFT | BOXLINERIGHT, 0);
        }
        buffer.SetPos(next);
        // Each memo line ends as EndLine does, so the next row starts at the first stop.
        m_y += OneLineHeight();
        m_x = LeftEdge();
        RewindStops();
    }
}

} // namespace zendrova::print
