#pragma once
#include "printengine/TBaseReport.h"
#include <QColor>
#include <QRectF>
#include <functional>

namespace zendrova::print {

enum TLabelShape { lsRoundRect, lsRect, lsRound };
// lbCustom, or a stock sheet whose geometry the shell knows.
enum TLabelBrand { lbCustom, lbAvery5160, lbAvery5163 };

// Label sheet driver: NumDown x NumAcross labels per page, visited by row
// (or by column); each accepted position becomes the engine's origin, margins
// and band, so the caller prints in label coordinates.
class TLabelShell
{
public:
    TLabelShell();

    // Geometry in units. A width or height of 0 keeps the old value; a
    // spacing of 0 becomes 0.0001. Any geometry change makes the brand lbCustom.
    double LabelWidth() const { return m_labelWidth; }
    double LabelHeight() const { return m_labelHeight; }
    double SpacingWidth() const { return m_spacingWidth; }
    double SpacingHeight() const { return m_spacingHeight; }
    double SpacingLeft() const { return m_spacingLeft; }
    double SpacingTop() const { return m_spacingTop; }
    int NumAcross() const { return m_numAcross; }
    int NumDown() const { return m_numDown; }
    void setLabelWidth(double value);
    void setLabelHeight(double value);
    void setSpacingWidth(double value);
    void setSpacingHeight(double value);
    void setSpacingLeft(double value);
    void setSpacingTop(double value);
    void setNumAcross(int value);
    void setNumDown(int value);

    TLabelBrand LabelBrand() const { return m_brand; }
    // Resets the shape to lsRoundRect; a stock brand also loads its geometry.
    void setLabelBrand(TLabelBrand brand);
    TLabelShape LabelShape = lsRoundRect;

    bool DrawExtents = false;
    bool DrawPreviewOnly = true;
    QColor DrawPen = Qt::black;
    bool PrintByRow = true;

    // The label rectangle at row r, column c (from 1), units from the paper edges.
    QRectF LabelRect(int row, int column) const;
    int CurrentRow() const { return m_row; }
    int CurrentColumn() const { return m_column; }

    std::function<void(TBaseReport &)> OnReportBefore;
    std::function<void(TBaseReport &)> OnReportAfter;
    std::function<void(TBaseReport &)> OnPageBefore;
    std::function<void(TBaseReport &)> OnPageAfter;
    // May decline the current position (false).
    std::function<bool(TBaseReport &)> OnLabelBefore;
    std::function<void(TBaseReport &)> OnLabelPrint;
    // Whether another label follows.
    std::function<bool(TBaseReport &)> OnLabelAfter;

    void RunJob(TBaseReport &engine);

private:
    void drawExtents(TBaseReport &engine) const;
    // Visits the page's positions; false when the run ends on this page.
    bool visitPage(TBaseReport &engine);
    bool visit(TBaseReport &engine, int row, int column);

    double m_labelWidth = 2.625, m_labelHeight = 1.0;
    double m_spacingWidth = 2.75, m_spacingHeight = 1.0;
    double m_spacingLeft = 0.1875, m_spacingTop = 0.5;
    int m_numAcross = 3, m_numDown = 10;
    TLabelBrand m_brand = lbAvery5160;
    int m_row = 0, m_column = 0;
};

} // namespace zendrova::print
