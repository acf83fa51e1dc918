#include "printengine/TLabelShell.h"

namespace zendrova::print {

namespace {
// A spacing of 0 would put every label on the same spot.
constexpr double kZeroSpacing = 0.0001;
constexpr double kCornerRadius = 0.2;

struct StockSheet
{
    double width, height, pitchW, pitchH, left, top;
    int across, down;
};

StockSheet stockSheet(TLabelBrand brand)
{
    switch (brand) {
    case lbAvery5163:
        return { 4.0, 2.0, 4.1875, 2.0, 0.15625, 0.5, 2, 5 };
    case lbAvery5160:
    case lbCustom:
        break;
    }
    return { 2.625, 1.0, 2.75, 1.0, 0.1875, 0.5, 3, 10 };
}
} // namespace

TLabelShell::TLabelShell()
{
    setLabelBrand(lbAvery5160);
}

void TLabelShell::setLabelWidth(double value)
{
    if (value != 0)
        m_labelWidth = value;
    m_brand = lbCustom;
}

void TLabelShell::setLabelHeight(double value)
{
    if (value != 0)
        m_labelHeight = value;
    m_brand = lbCustom;
}

void TLabelShell::setSpacingWidth(double value)
{
    m_spacingWidth = value == 0 ? kZeroSpacing : value;
    m_brand = lbCustom;
}

void TLabelShell::setSpacingHeight(double value)
{
    m_spacingHeight = value == 0 ? kZeroSpacing : value;
    m_brand = lbCustom;
}

void TLabelShell::setSpacingLeft(double value)
{
    m_spacingLeft = value == 0 ? kZeroSpacing : value;
    m_brand = lbCustom;
}

void TLabelShell::setSpacingTop(double value)
{
    m_spacingTop = value == 0 ? kZeroSpacing : value;
    m_brand = lbCustom;
}

void TLabelShell::setNumAcross(int value)
{
    m_numAcross = value;
    m_brand = lbCustom;
}

void TLabelShell::setNumDown(int value)
{
    m_numDown = value;
    m_brand = lbCustom;
}

void TLabelShell::setLabelBrand(TLabelBrand brand)
{
    LabelShape = lsRoundRect;
    if (brand != lbCustom) {
        const StockSheet sheet = stockSheet(brand);
        m_labelWidth = sheet.width;
        m_labelHeight = sheet.height;
        m_spacingWidth = sheet.pitchW;
        m_spacingHeight = sheet.pitchH;
        m_spacingLeft = sheet.left;
        m_spacingTop = sheet.top;
        m_numAcross = sheet.across;
        m_numDown = sheet.down;
    }
    m_brand = brand;
}

QRectF TLabelShell::LabelRect(int row, int column) const
{
    return QRectF(m_spacingLeft + (column - 1) * m_spacingWidth,
        m_spacingTop + (row - 1) * m_spacingHeight, m_labelWidth, m_labelHeight);
}

void TLabelShell::drawExtents(TBaseReport &engine) const
{
    const PageShapeKind kind = LabelShape == lsRect ? PageShapeKind::Rect
        : LabelShape == lsRound                     ? PageShapeKind::Ellipse
                                                    : PageShapeKind::RoundRect;
    for (int row = 1; row <= m_numDown; ++row)
        for (int column = 1; column <= m_numAcross; ++column)
            engine.DrawShape(kind, LabelRect(row, column),
                kind == PageShapeKind::RoundRect ? kCornerRadius : 0, DrawPen, Qt::white,
                DrawPreviewOnly);
}

void TLabelShell::RunJob(TBaseReport &engine)
{
    if (OnReportBefore)
        OnReportBefore(engine);
    // With no label position on a sheet there is nothing to visit: end instead of turning pages.
    while (m_numAcross > 0 && m_numDown > 0) {
        if (OnPageBefore)
            OnPageBefore(engine);
        if (DrawExtents)
            drawExtents(engine);
        const bool more = visitPage(engine);
        engine.SetOrigin(0, 0);
        engine.ClearSection();
        engine.GoFirstLine();
        if (OnPageAfter)
            OnPageAfter(engine);
        if (!more || engine.JobCancelled())
            break;
        engine.StartNextPage();
    }
    if (OnReportAfter)
        OnReportAfter(engine);
}

bool TLabelShell::visitPage(TBaseReport &engine)
{
    const int outer = PrintByRow ? m_numDown : m_numAcross;
    const int inner = PrintByRow ? m_numAcross : m_numDown;
    for (int a = 1; a <= outer; ++a)
        for (int b = 1; b <= inner; ++b)
            if (!visit(engine, PrintByRow ? a : b, PrintByRow ? b : a))
                return false;
    return true;
}

bool TLabelShell::visit(TBaseReport &engine, int row, int column)
{
    m_row = row;
    m_column = column;
    // A declined position is offered again while more labels follow.
    for (;;) {
        const bool accepted = !OnLabelBefore || OnLabelBefore(engine);
        if (accepted) {
            const QRectF rect = LabelRect(row, column);
            engine.SetOrigin(rect.left(), rect.top());
            engine.SetSection(QRectF(0, 0, rect.width(), rect.height()));
            engine.GoFirstLine();
            if (OnLabelPrint)
                OnLabelPrint(engine);
        }
        if (!OnLabelAfter || !OnLabelAfter(engine))
            return false;
        if (accepted)
            return true;
    }
}

} // namespace zendrova::print
