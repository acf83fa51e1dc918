// The rows layout: one line per included field, caption left and value at a
// fixed indent, records separated by an empty line, totals at the end.
#include "output/ReportRun.h"

#include "printengine/TBaseReport.h"
#include "printengine/TMemoBuf.h"
#include "store/StoreTable.h"

namespace zendrova {

using namespace print;

namespace {

constexpr double kCaptionGap = 0.1;
constexpr double kPictureWidth = 2.2;
// Above this many lines left, the totals get their "Totals:" heading.
constexpr int kTotalsHeadingRoom = 4;

} // namespace

bool ReportRun::rowsPage(int page)
{
    if (page == 1 && !m_fitted) {
        m_fitted = true;
        m_captionWidth = 0;
        for (const Column &column : m_columns)
            m_captionWidth = std::max(m_captionWidth, m_engine.MeasureText(column.caption));
        m_captionWidth += kCaptionGap;
    }
    if (!m_totalsPhase && !m_totalsDone) {
        StoreTable::ReadHold hold(m_table);
        while (m_engine.RoomInLines() > 0 && recordsRemain()) {
            const int count = static_cast<int>(m_columns.size());
            for (; m_resume < count; ++m_resume) {
                const bool last = m_resume == count - 1;
                // A page never ends with a lone field line of an unfinished record.
                if (m_engine.RoomInLines() < (last ? 1 : 2))
                    return true;
                if (!rowsField(m_columns[static_cast<size_t>(m_resume)]))
                    return true;
            }
            recordDone();
            m_resume = 0;
            if (recordsRemain() && m_engine.RoomInLines() > 0)
                m_engine.EmitLine();
        }
        if (recordsRemain())
            return true;
        if (!m_totals)
            return false;
        m_totalsPhase = true;
        m_resume = 0;
        if (m_engine.RoomInLines() > kTotalsHeadingRoom) {
            m_engine.EmitLine();
            m_engine.SetFontStyle(fsBold | fsUnderline);
            m_engine.ChooseTextColor(Qt::black);
            m_engine.EmitLine(totalsText());
            restoreBodyStyle();
            m_engine.EmitLine();
        }
    }
    if (m_totalsDone)
        return false;
    return rowsTotals();
}

bool ReportRun::rowsTotals()
{
    std::vector<const Column *> numeric;
    for (const Column &column : m_columns)
        if (column.numeric)
            numeric.push_back(&column);
    for (; m_resume < static_cast<int>(numeric.size()); ++m_resume) {
        if (m_engine.RoomInLines() < 1)
            return true;
        const Column &column = *numeric[static_cast<size_t>(m_resume)];
        rowsCaption(column, false);
        const QString total = m_values.numberText(column.position, static_cast<double>(column.total));
        m_engine.EmitLine(m_setup.fieldNames ? QStringLiteral("\t") + total : total);
    }
    m_totalsPhase = false;
    m_totalsDone = true;
    return false;
}

// The caption at the left margin, and the stop its value goes to.
void ReportRun::rowsCaption(const Column &column, bool empty)
{
    m_engine.DropStops();
    if (!m_setup.fieldNames)
        return;
    m_engine.AddStop(pjLeft, 0, 0, 0, 0, m_engine.MarginLeft + m_captionWidth);
    m_engine.RewindStops();
    if (empty)
        return;
    m_engine.SwitchItalic(true);
    m_engine.SwitchUnderline(true);
    m_engine.ChooseTextColor(Qt::black);
    m_engine.PlaceX(m_engine.MarginLeft);
    m_engine.EmitText(column.caption);
    restoreBodyStyle();
}

bool ReportRun::rowsField(Column &column)
{
    addToTotal(column);
    if (column.memo)
        return rowsMemo(column);
    if (column.picture)
        return rowsPicture(column);
    rowsCaption(column, false);
    const QString value = m_values.text(column.position);
    m_engine.EmitLine(m_setup.fieldNames ? QStringLiteral("\t") + value : value);
    return true;
}

bool ReportRun::rowsMemo(Column &column)
{
    const bool resuming = column.memoResume > 0;
    rowsCaption(column, resuming);
    TMemoBuf &memo = *m_memo;
    if (resuming) {
        m_engine.SeekMemo(memo, column.memoResume);
    } else {
        m_engine.LoadMemoField(memo, m_values.memo(column.position));
    }
    memo.PrintStart = m_engine.MarginLeft + (m_setup.fieldNames ? m_captionWidth : 0.0);
    memo.PrintEnd = m_engine.PaperWidthUnits() - m_engine.MarginRight;
    const int lines = m_engine.CountMemoLines(memo);
    if (lines == 0) {
        m_engine.EmitLine();
        column.memoResume = 0;
        return true;
    }
    const int room = m_engine.RoomInLines();
    if (lines > room) {
        m_engine.EmitMemo(memo, room, false);
        column.memoResume = memo.Pos();
        return false;
    }
    m_engine.EmitMemo(memo, 0, false);
    column.memoResume = 0;
    return true;
}

bool ReportRun::rowsPicture(Column &column)
{
    const QImage image = m_values.picture(column.position);
    const double height
        = image.width() > 0 ? kPictureWidth * image.height() / image.width() : 0.0;
    const double lineHeight = m_engine.OneLineHeight();
    const bool atPageTop = m_engine.YPos() <= m_engine.BandTop() + m_engine.LineAscent() + 1e-9;
    // Taller than what is left: the picture goes to the next page, unless it
    // already stands at the top of one (it could never fit).
    if (height > m_engine.RoomInLines() * lineHeight && !atPageTop) {
        m_engine.PlaceY(m_engine.PaperHeightUnits());
        return false;
    }
    rowsCaption(column, false);
    if (!image.isNull()) {
        const double left = m_engine.MarginLeft + (m_setup.fieldNames ? m_captionWidth : 0.0);
        const double top = m_engine.YPos() - m_engine.LineAscent();
        m_engine.DrawPicture(image, left, top, left + kPictureWidth, top + height);
        m_engine.PlaceY(top + height + m_engine.LineAscent());
    }
    m_engine.EmitLine();
    return true;
}

} // namespace zendrova
