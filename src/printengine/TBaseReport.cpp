#include "printengine/TBaseReport.h"

#include "common/Interaction.h"
#include "printengine/PagePainter.h"
#include "printengine/ReportWindows.h"
#include "printengine/StatusFormat.h"
#include "printengine/TRPDevice.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <cmath>

namespace zendrova::print {

namespace {
// Positions computed from sums of line heights land a hair off a band edge.
constexpr double kEpsilon = 1e-9;
} // namespace

TBaseReport::TBaseReport() = default;
TBaseReport::~TBaseReport() = default;

bool TBaseReport::RunJob()
{
    m_cancelled = false;
    m_page = 1;
    m_metrics.reset();
    if (!beginJob())
        return false;
    m_printing = true;
    bool failed = false;
    try {
        if (OnBeforePrint)
            OnBeforePrint();
        startPage();
        if (OnPrint) {
            OnPrint();
        } else {
            while (OnPrintPage && OnPrintPage(m_page) && !m_cancelled)
                StartNextPage();
        }
        if (OnPrintFooter)
            OnPrintFooter();
        finishPage();
    } catch (const CancelUnwind &) {
        // StartNextPage finished the page before leaving.
    } catch (const ReportError &error) {
        failed = true;
        m_current.reset();
        showMessage(MessageKind::Error, QString::fromUtf8(error.what()));
    }
    if (OnAfterPrint)
        OnAfterPrint();
    m_printing = false;
    const bool written = endJob(failed);
    return written && !failed;
}

void TBaseReport::CancelJob()
{
    m_cancelled = true;
}

void TBaseReport::StartNextPage()
{
    if (OnPrintFooter)
        OnPrintFooter();
    finishPage();
    if (m_cancelled)
        throw CancelUnwind {};
    ++m_page;
    startPage();
}

void TBaseReport::startPage()
{
    const QSizeF paper = paperInches();
    m_current = Page { m_page, paper.width(), paper.height(), {} };
    m_origin = QPointF();
    m_section.reset();
    m_bandTop = MarginTop;
    m_bandBottom = PaperHeightUnits() - MarginBottom;
    GoFirstLine();
    RefreshStatus();
    processEvents();
    if (OnNewPage)
        OnNewPage();
    if (OnPrintHeader)
        OnPrintHeader();
}

void TBaseReport::finishPage()
{
    if (!m_current)
        return;
    Page page = std::move(*m_current);
    m_current.reset();
    if (page.number >= FirstPage && page.number <= LastPage)
        pageDone(std::move(page));
}

void TBaseReport::processEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void TBaseReport::emitOp(PageOp op)
{
    if (m_current)
        m_current->ops.append(std::move(op));
}

bool TBaseReport::PrinterMissing()
{
    return TRPDevice::instance().PrinterMissing();
}

bool TBaseReport::ChoosePrinter()
{
    return ReportWindows::current().choosePrinter();
}

void TBaseReport::ChoosePaper(int code, double height, double width)
{
    TRPDevice::instance().ChoosePaper(code, height * UnitsFactor, width * UnitsFactor);
}

QSizeF TBaseReport::paperInches() const
{
    return TRPDevice::instance().PaperInches(Orientation);
}

double TBaseReport::PaperWidthUnits() const
{
    return paperInches().width() / UnitsFactor;
}

double TBaseReport::PaperHeightUnits() const
{
    return paperInches().height() / UnitsFactor;
}

void TBaseReport::RefreshPageSetup()
{
    if (!m_current)
        return;
    const QSizeF paper = paperInches();
    m_current->width = paper.width();
    m_current->height = paper.height();
    if (!m_section) {
        m_bandTop = MarginTop;
        m_bandBottom = PaperHeightUnits() - MarginBottom;
    }
}

// --- position and band ---

void TBaseReport::MoveBandTop(double y)
{
    m_bandTop = y;
    if (m_y < y)
        m_y = y;
}

void TBaseReport::MoveBandBottom(double y)
{
    m_bandBottom = y;
}

void TBaseReport::GoFirstLine()
{
    m_x = LeftEdge();
    m_y = m_bandTop + LineAscent();
    RewindStops();
}

const QFontMetricsF &TBaseReport::metrics() const
{
    if (!m_metrics)
        m_metrics = std::make_unique<QFontMetricsF>(pageFont(m_font));
    return *m_metrics;
}

double TBaseReport::OneLineHeight() const
{
    switch (LineHeightMethod) {
    case lhmLinesPerInch:
        return 1.0 / LinesPerInch / UnitsFactor;
    case lhmUser:
        return UserLineHeight;
    case lhmFont:
        break;
    }
    return metrics().lineSpacing() / kDecipointsPerInch / UnitsFactor;
}

double TBaseReport::LineAscent() const
{
    const QFontMetricsF &m = metrics();
    if (LineHeightMethod == lhmFont)
        return m.ascent() / kDecipointsPerInch / UnitsFactor;
    return OneLineHeight() * m.ascent() / (m.ascent() + m.descent());
}

double TBaseReport::lineTop() const
{
    return m_y - LineAscent();
}

int TBaseReport::RoomInLines() const
{
    if (m_y > m_bandBottom + kEpsilon)
        return 0;
    return 1 + int(std::floor((m_bandBottom - m_y) / OneLineHeight() + kEpsilon));
}

void TBaseReport::EndLine()
{
    m_y += OneLineHeight();
    m_x = LeftEdge();
    RewindStops();
}

double TBaseReport::LeftEdge() const
{
    return m_section ? m_section->left() : MarginLeft;
}

double TBaseReport::RightEdge() const
{
    return m_section ? m_section->right() : PaperWidthUnits() - MarginRight;
}

void TBaseReport::SetOrigin(double x, double y)
{
    m_origin = QPointF(x, y);
}

void TBaseReport::SetSection(const QRectF &section)
{
    m_section = section;
    m_bandTop = section.top();
    m_bandBottom = section.bottom();
}

void TBaseReport::ClearSection()
{
    m_section.reset();
    m_bandTop = MarginTop;
    m_bandBottom = PaperHeightUnits() - MarginBottom;
}

// --- fonts ---

void TBaseReport::SetFont(const TFontSpec &font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_metrics.reset();
}

void TBaseReport::ChooseFont(const QString &name, double size)
{
    TFontSpec font = m_font;
    font.name = name;
    font.size = size;
    SetFont(font);
}

void TBaseReport::SetFontStyle(int styleBits)
{
    TFontSpec font = m_font;
    font.style = styleBits & 15;
    SetFont(font);
}

namespace {
int withBit(int style, int bit, bool on)
{
    return on ? (style | bit) : (style & ~bit);
}
} // namespace

void TBaseReport::SwitchBold(bool on)
{
    SetFontStyle(withBit(m_font.style, fsBold, on));
}
void TBaseReport::SwitchItalic(bool on)
{
    SetFontStyle(withBit(m_font.style, fsItalic, on));
}
void TBaseReport::SwitchUnderline(bool on)
{
    SetFontStyle(withBit(m_font.style, fsUnderline, on));
}
void TBaseReport::SwitchStrikeout(bool on)
{
    SetFontStyle(withBit(m_font.style, fsStrikeOut, on));
}

void TBaseReport::ChooseTextColor(const QColor &color)
{
    TFontSpec font = m_font;
    font.color = color;
    SetFont(font);
}

// --- status ---

void TBaseReport::RefreshStatus()
{
    if (!StatusLabel)
        return;
    StatusValues values;
    values.page = m_page;
    values.firstPage = FirstPage;
    values.lastPage = LastPage;
    values.lines = StatusText;
    values.destination = DestinationName();
    values.title = Title;
    StatusLabel(expandStatusFormat(StatusFormat, values));
    processEvents();
}

} // namespace zendrova::print
