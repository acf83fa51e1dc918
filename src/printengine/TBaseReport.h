#pragma once
#include "printengine/PageStream.h"
#include "printengine/ReportTypes.h"
#include "printengine/TMemoBuf.h"
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class QFontMetricsF;

namespace zendrova::print {

// A run stopped by the engine itself (a bad memo band); the text is shown to the user.
class ReportError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The line-and-tab text printer behind every printed page. Callers work in
// units (UnitsFactor converts them to inches) measured from the paper's
// top-left edge; Y is the baseline of the current line. The engine lays out
// text, cells, memos and pictures and hands finished drawing operations to
// its destination (a printer or a page stream).
class TBaseReport
{
    Q_DECLARE_TR_FUNCTIONS(TBaseReport)

public:
    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport &) = delete;
    TBaseReport &operator=(const TBaseReport &) = delete;

    // --- published settings (read when used) ---
    double MarginLeft = 0.5, MarginRight = 0.5, MarginTop = 0.5, MarginBottom = 0.5;
    TOrientation Orientation = poPortrait;
    QString Title;
    int Copies = 1;
    int FirstPage = 1;
    int LastPage = 9999;
    // Receives the expanded status text whenever the engine updates the status.
    std::function<void(const QString &)> StatusLabel;
    QString StatusFormat = QStringLiteral("Printing page %p");
    QStringList StatusText;
    int TabShade = 0;
    double ScaleX = 100.0, ScaleY = 100.0;
    double UnitsFactor = 1.0;
    TLineHeightMethod LineHeightMethod = lhmFont;
    double LinesPerInch = 6.0;
    double UserLineHeight = 1.0 / 6.0; // units, for lhmUser
    TBKMode TextBKMode = bkTransparent;
    // 0..3 justifies every cell that way; kJustifyByStop lets each stop decide.
    int CellJustifyAll = kJustifyByStop;

    // --- hooks ---
    std::function<void()> OnBeforePrint;
    std::function<void()> OnAfterPrint;
    // Produces all pages itself (calling StartNextPage); replaces the page loop.
    std::function<void()> OnPrint;
    // Prints the body of one page; returns whether another page follows.
    std::function<bool(int page)> OnPrintPage;
    std::function<void()> OnNewPage;
    std::function<void()> OnPrintHeader;
    std::function<void()> OnPrintFooter;

    // --- the job ---
    // Runs the whole job; false when it could not start (no device) or a
    // ReportError stopped it (the message has been shown).
    bool RunJob();
    // The job stops after the page in progress.
    void CancelJob();
    bool JobCancelled() const { return m_cancelled; }
    bool Printing() const { return m_printing; }
    int CurrentPage() const { return m_page; }
    // Ends this page (footer) and starts the next (new page, header). When the
    // job was cancelled it ends the job instead: control leaves the caller's
    // OnPrint through an internal exception that RunJob catches.
    void StartNextPage();

    // --- the printer ---
    // True when the platform lists no printer at all.
    static bool PrinterMissing();
    // The print-setup dialog for the shared device; on OK its printer serves every engine.
    static bool ChoosePrinter();

    // --- page geometry ---
    // Paper code (1 Letter, 5 Legal, 9 A4, 20 Envelope #10, 256 custom) for
    // the shared device; height and width (units) count only for 256.
    void ChoosePaper(int code, double height, double width);
    double PaperWidthUnits() const;
    double PaperHeightUnits() const;
    // Re-reads the page size after orientation or paper changes and re-applies the margins.
    void RefreshPageSetup();

    // --- position, band and lines ---
    double XPos() const { return m_x; }
    double YPos() const { return m_y; }
    double CursorY() const { return m_y; }
    void PlaceX(double x) { m_x = x; }
    void PlaceY(double y) { m_y = y; }
    double BandTop() const { return m_bandTop; }
    double BandBottom() const { return m_bandBottom; }
    void MoveBandTop(double y);
    void MoveBandBottom(double y);
    void GoFirstLine();
    double OneLineHeight() const;
    // Distance from the top of a line to its baseline, units.
    double LineAscent() const;
    int RoomInLines() const;
    void EndLine();
    // The left and right edges that lines start and headers justify against.
    double LeftEdge() const;
    double RightEdge() const;

    // --- origin and sections (label positions) ---
    // Later positions are measured from this point (units from the paper edges).
    void SetOrigin(double x, double y);
    QPointF Origin() const { return m_origin; }
    // Makes a rectangle (units, from the origin) the margins and the band until the next page.
    void SetSection(const QRectF &section);
    void ClearSection();

    // --- text ---
    void EmitText(const QString &text);
    void EmitLine(const QString &text = QString());
    void EmitCentred(const QString &text, double x);
    void EmitTopLine(const QString &text, int justify);
    void EmitBottomLine(const QString &text, int justify);
    double MeasureText(const QString &text) const;

    // --- font ---
    void ChooseFont(const QString &name, double size);
    void SwitchBold(bool on);
    void SwitchItalic(bool on);
    void SwitchUnderline(bool on);
    void SwitchStrikeout(bool on);
    void ChooseTextColor(const QColor &color);
    // Sets all four styles from a TFontStyleBit set.
    void SetFontStyle(int styleBits);
    const TFontSpec &Font() const { return m_font; }
    void SetFont(const TFontSpec &font);

    // --- tab stops ---
    void DropStops();
    // margin in hundredths of a unit; position kAfterPreviousStop = right after the previous stop.
    void AddStop(
        int justify, int boxLines, int shade, double margin, double width, double position);
    void RewindStops();
    int StopCount() const { return int(m_stops.size()); }
    const TTabStop &Stop(int n) const; // 1-based
    double StopTextLeft(int n) const;
    double StopTextRight(int n) const;
    double StopTextWidth(int n) const;
    // The stop the last tab (or NextCell) moved to, 1-based; 0 before the first.
    int CurrentStop() const { return m_stopIndex; }
    void NextCell(
        TCellPart left, TCellPart right, TCellPart shade, TCellPart bottom, TCellPart top);

    // --- memos, pictures, lines ---
    void LoadMemoField(TMemoBuf &buffer, const QString &content);
    int CountMemoLines(const TMemoBuf &buffer) const;
    void EmitMemo(TMemoBuf &buffer, int maxLines, bool boxed);
    void SeekMemo(TMemoBuf &buffer, int pos);
    void DrawPicture(const QImage &bitmap, double left, double top, double right, double bottom);
    void PenMove(double x, double y);
    void PenLine(double x, double y);
    QColor PenColor = Qt::black;
    double PenWidth = 0.0; // units; 0 = the thinnest line

    // A shape outline/fill (label extents); screenOnly shapes only show in the preview.
    void DrawShape(PageShapeKind kind, const QRectF &rect, double radius, const QColor &pen,
        const QColor &brush, bool screenOnly);

    // --- status ---
    void RefreshStatus();
    // What %D shows.
    virtual QString DestinationName() const = 0;

protected:
    // Destination hooks. beginJob returns false when the job cannot start.
    virtual bool beginJob() = 0;
    // failed: a ReportError stopped the job. False when the destination failed (reported).
    virtual bool endJob(bool failed) = 0;
    // A finished page; pages outside FirstPage..LastPage never arrive here.
    virtual void pageDone(Page &&page) = 0;
    // The paper size in inches for the current orientation.
    virtual QSizeF paperInches() const;

private:
    struct CancelUnwind
    {
    };
    struct Cell
    {
        double left, right, top, bottom;
    };
    void startPage();
    void finishPage();
    void processEvents();
    void emitOp(PageOp op);
    const QFontMetricsF &metrics() const;
    double toInches(double units) const { return units * UnitsFactor; }
    double absX(double x) const { return toInches(x + m_origin.x()); }
    double absY(double y) const { return toInches(y + m_origin.y()); }
    double lineTop() const;
    void textAt(const QString &text, double x);
    void tabToNextStop();
    void drawCell(const TTabStop &stop, int boxLines, int shade);
    void placeInCell(const TTabStop &stop, const QString &text);
    void emitBlock(const QString &text, double left, double right);
    void lineUnits(double x1, double y1, double x2, double y2);
    // One wrapped memo line from pos: its text and the position after it.
    std::pair<QString, int> memoLine(const TMemoBuf &buffer, int pos, double width) const;
    void checkMemoBand(const TMemoBuf &buffer) const;

    bool m_printing = false;
    bool m_cancelled = false;
    int m_page = 1;
    double m_x = 0, m_y = 0;
    double m_bandTop = 0, m_bandBottom = 0;
    QPointF m_origin;
    std::optional<QRectF> m_section;
    TFontSpec m_font;
    QList<TTabStop> m_stops;
    int m_stopIndex = 0;
    // Set by NextCell: the next text without a tab goes into this stop's cell.
    int m_pendingCell = 0;
    QPointF m_pen;
    std::optional<Page> m_current;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
};

} // namespace zendrova::print
