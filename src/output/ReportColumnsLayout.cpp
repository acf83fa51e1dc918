// The columns layout: one record per row, one column per included field,
// with a caption row on every page, an optional grid and a totals row.
#include "output/ReportRun.h"

#include "output/TReportRec.h"
#include "printengine/TBaseReport.h"
#include "printengine/TMemoBuf.h"
#include "store/StoreTable.h"

namespace zendrova {

using namespace print;

namespace {

// Hundredths of an inch between a grid line and the cell's text.
constexpr double kGridMargin = 4;
constexpr double kPictureInset = 0.1;
constexpr double kPictureSpare = 0.2;
constexpr double kEpsilon = 1e-9;

} // namespace

bool ReportRun::memoInProgress() const
{
    return std::any_of(
        m_columns.begin(), m_columns.end(), [](const Column &c) { return c.memoResume > 0; });
}

double ReportRun::columnLeft(int index) const
{
    double left = m_engine.MarginLeft;
    for (int i = 0; i < index; ++i)
        left += m_columns[static_cast<size_t>(i)].width;
    return left;
}

// Columns that run past the right margin: the first of them is narrowed to
// end exactly there, and the ones after it are left out.
void ReportRun::fitColumns()
{
    const double printable = m_engine.PaperWidthUnits() - m_engine.MarginLeft - m_engine.MarginRight;
    double sum = 0;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (sum + m_columns[i].width > printable + kEpsilon) {
            m_columns[i].width = std::max(0.0, printable - sum);
            m_columns.resize(i + 1);
            if (m_definition) {
                std::vector<ReportColumn> kept = m_definition->columns();
                if (kept.size() > i + 1)
                    kept.resize(i + 1);
                m_definition->setColumns(kept);
            }
            break;
        }
        sum += m_columns[i].width;
    }
    m_hasMemo = std::any_of(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.memo; });
    m_hasPicture
        = std::any_of(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.picture; });
    m_totals = m_totals
        && std::any_of(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.numeric; });
    m_rowFits = true;
}

void ReportRun::captionRow()
{
    m_engine.DropStops();
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_engine.AddStop(pjCenter, m_setup.grid ? BOXLINEALL : 0, 0, 0, m_columns[i].width,
            i == 0 ? m_engine.MarginLeft : kAfterPreviousStop);
    m_engine.RewindStops();
    m_engine.SwitchBold(true);
    if (!m_setup.grid)
        m_engine.SwitchUnderline(true);
    m_engine.ChooseTextColor(Qt::black);
    if (m_setup.grid) {
        for (const Column &column : m_columns) {
            m_engine.NextCell(TCellPart::FromStop, TCellPart::FromStop, TCellPart::FromStop,
                TCellPart::FromStop, TCellPart::FromStop);
            if (column.width > m_engine.MeasureText(column.caption))
                m_engine.EmitText(column.caption);
        }
        m_engine.EndLine();
    } else {
        QString line;
        for (const Column &column : m_columns) {
            line += QLatin1Char('\t');
            if (m_engine.MeasureText(column.caption) < column.width)
                line += column.caption;
        }
        m_engine.EmitLine(line);
    }
    restoreBodyStyle();
}

void ReportRun::dataStops()
{
    m_engine.DropStops();
    for (size_t i = 0; i < m_columns.size(); ++i)
        m_engine.AddStop(m_columns[i].numeric ? pjRight : pjLeft,
            m_setup.grid ? (BOXLINELEFT | BOXLINERIGHT) : 0, 0, m_setup.grid ? kGridMargin : 0,
            m_columns[i].width, i == 0 ? m_engine.MarginLeft : kAfterPreviousStop);
    m_engine.RewindStops();
}

// A horizontal line along the top of the current line across all columns.
void ReportRun::rule()
{
    if (m_columns.empty())
        return;
    const double y = m_engine.YPos() - m_engine.LineAscent();
    m_engine.PenMove(m_engine.MarginLeft, y);
    m_engine.PenLine(columnLeft(static_cast<int>(m_columns.size())), y);
}

// The grid's vertical lines from the row top down to the current line.
void ReportRun::gridSides(double rowTop)
{
    const double top = rowTop - m_engine.LineAscent();
    const double bottom = m_engine.YPos() - m_engine.LineAscent();
    if (bottom <= top + kEpsilon)
        return;
    for (int i = 0; i <= static_cast<int>(m_columns.size()); ++i) {
        m_engine.PenMove(columnLeft(i), top);
        m_engine.PenLine(columnLeft(i), bottom);
    }
}

void ReportRun::columnsTextCells()
{
    QString line;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column &column = m_columns[i];
        line += QLatin1Char('\t');
        if (column.memo || column.picture)
            continue;
        QString value = m_values.text(column.position);
        if (column.text) {
            const double room = m_engine.StopTextWidth(static_cast<int>(i) + 1);
            while (!value.isEmpty() && m_engine.MeasureText(value) > room + kEpsilon)
                value.chop(1);
        }
        addToTotal(column);
        line += value;
    }
    m_engine.EmitText(line);
}

// Prints the memos of the row from its top; returns the lowest Y they reached.
double ReportRun::columnsMemoCells(double rowTop, bool rowStarts)
{
    double lowest = m_engine.YPos();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        Column &column = m_columns[i];
        if (!column.memo)
            continue;
        const bool starting = column.memoResume == 0;
        if (starting && !rowStarts)
            continue; // this memo finished on an earlier page
        TMemoBuf &memo = *m_memo;
        m_engine.PlaceY(rowTop);
        if (starting)
            m_engine.LoadMemoField(memo, m_values.memo(column.position));
        else
            m_engine.SeekMemo(memo, column.memoResume);
        const int stop = static_cast<int>(i) + 1;
        memo.PrintStart = m_engine.StopTextLeft(stop);
        memo.PrintEnd = std::max(m_engine.StopTextRight(stop), memo.PrintStart + kEpsilon);
        const int lines = m_engine.CountMemoLines(memo);
        const int room = m_engine.RoomInLines();
        const double left = columnLeft(static_cast<int>(i));
        const double right = left + column.width;
        const double firstTop = rowTop - m_engine.LineAscent();
        if (lines > room) {
            m_engine.EmitMemo(memo, room, false);
            column.memoResume = std::max(1, memo.Pos());
        } else {
            m_engine.EmitMemo(memo, 0, false);
            column.memoResume = 0;
        }
        if (m_setup.grid) {
            const double bottom = m_engine.YPos() - m_engine.LineAscent();
            for (const double x : { left, right }) {
                m_engine.PenMove(x, firstTop);
                m_engine.PenLine(x, bottom);
            }
        }
        lowest = std::max(lowest, m_engine.YPos());
    }
    return lowest;
}

bool ReportRun::pictureRowFits(double rowTop) const
{
    const double room = m_engine.BandBottom() - (rowTop - m_engine.LineAscent());
    const bool atPageTop = rowTop <= m_engine.BandTop() + m_engine.LineAscent() + kEpsilon;
    for (const Column &column : m_columns) {
        if (!column.picture)
            continue;
        const QImage image = m_values.picture(column.position);
        if (image.width() <= 0)
            continue;
        const double height = (column.width - kPictureSpare) * image.height() / image.width();
        if (height > room && !atPageTop)
            return false;
    }
    return true;
}

double ReportRun::columnsPictureCells(double rowTop)
{
    double lowest = m_engine.YPos();
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns[i];
        if (!column.picture)
            continue;
        const QImage image = m_values.picture(column.position);
        if (image.isNull() || image.width() <= 0)
            continue;
        const double width = std::max(0.0, column.width - kPictureSpare);
        const double height = width * image.height() / image.width();
        const double left = m_engine.StopTextLeft(static_cast<int>(i) + 1) + kPictureInset;
        const double top = rowTop - m_engine.LineAscent();
        m_engine.DrawPicture(image, left, top, left + width, top + height);
        lowest = std::max(lowest, top + height + m_engine.LineAscent() + m_engine.OneLineHeight());
    }
    return lowest;
}

void ReportRun::totalsRow()
{
    m_engine.SwitchBold(true);
    QString line;
    for (size_t i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns[i];
        line += QLatin1Char('\t');
        if (column.numeric)
            line += m_values.numberText(column.position, static_cast<double>(column.total));
        else if (i == 0)
            line += totalsText();
    }
    m_engine.EmitLine(line);
    rule();
    restoreBodyStyle();
    m_totalsPhase = false;
    m_totalsDone = true;
}

bool ReportRun::columnsPage(int page)
{
    if (page == 1 && !m_fitted) {
        m_fitted = true;
        fitColumns();
    }
    if (m_setup.fieldNames)
        captionRow();
    else if (m_setup.grid)
        rule();
    dataStops();
    if (m_totalsPhase) {
        totalsRow();
        return false;
    }

    StoreTable::ReadHold hold(m_table);
    while (m_engine.RoomInLines() > 0 && (recordsRemain() || memoInProgress())) {
        const double rowTop = m_engine.YPos();
        const bool continuing = memoInProgress();
        if (m_hasPicture && !continuing && !m_picturesDone) {
            m_rowFits = pictureRowFits(rowTop);
            if (!m_rowFits) {
                m_engine.PlaceY(m_engine.PaperHeightUnits());
                break;
            }
        }
        const bool textNow = !continuing;
        if (textNow) {
            m_engine.RewindStops();
            columnsTextCells();
        }
        double lowest = rowTop;
        if (m_hasMemo)
            lowest = std::max(lowest, columnsMemoCells(rowTop, textNow));
        if (m_hasPicture && !m_picturesDone) {
            lowest = std::max(lowest, columnsPictureCells(rowTop));
            m_picturesDone = true;
        }
        m_engine.PlaceY(lowest);
        m_engine.PlaceX(m_engine.MarginLeft);
        m_engine.RewindStops();

        const bool complete = !memoInProgress();
        if (complete) {
            if (m_setup.grid)
                gridSides(rowTop);
            recordDone();
            m_picturesDone = false;
            if (m_engine.YPos() <= rowTop + kEpsilon)
                m_engine.EmitLine();
        }
        if ((complete && m_setup.grid) || m_engine.RoomInLines() == 0)
            rule();
        if (m_setup.oneRecord && complete)
            break;
    }
    if (recordsRemain() || memoInProgress())
        return true;
    if (!m_totals || m_totalsDone)
        return false;
    m_totalsPhase = true;
    if (m_engine.RoomInLines() == 0)
        return true;
    totalsRow();
    return false;
}

} // namespace zendrova
