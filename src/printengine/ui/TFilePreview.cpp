#include "printengine/ui/TFilePreview.h"

#include "printengine/PagePainter.h"

#include <QPainter>
#include <QScrollBar>

namespace zendrova::print {

// The paper with its shadow, margin and rulers, drawn at the preview's zoom.
class PreviewPage : public QWidget
{
public:
    PreviewPage(TFilePreview &owner)
        : QWidget(&owner)
        , m_owner(owner)
    { }

    double pixelsPerInch() const { return logicalDpiX() * m_owner.model().ZoomFactor / 100.0; }
    QSizeF paperPixels() const
    {
        const Page *page = m_owner.model().currentPage();
        const QSizeF inches = page ? QSizeF(page->width, page->height) : QSizeF(8.5, 11);
        return inches * pixelsPerInch();
    }
    double marginPixels() const
    {
        return paperPixels().width() * m_owner.model().MarginPercent / 100.0 + kRuler;
    }
    void relayout()
    {
        const QSizeF paper = paperPixels();
        const double margin = marginPixels();
        resize(int(paper.width() + 2 * margin + m_owner.ShadowDepth),
            int(paper.height() + 2 * margin + m_owner.ShadowDepth));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const QSizeF paper = paperPixels();
        const double margin = marginPixels();
        const QRectF sheet(margin, margin, paper.width(), paper.height());
        const int shadow = m_owner.ShadowDepth;
        painter.fillRect(sheet.translated(shadow, shadow), Qt::black);
        painter.fillRect(sheet, Qt::white);
        const PreviewModel &model = m_owner.model();
        drawGrid(painter, sheet);
        if (const Page *page = model.currentPage()) {
            PaintOptions options;
            options.dpiX = options.dpiY = pixelsPerInch();
            options.offsetX = options.offsetY = margin / pixelsPerInch();
            options.screen = true;
            options.monochrome = model.Monochrome;
            paintPage(painter, *page, options);
        }
        drawRulers(painter, sheet);
    }

private:
    static constexpr double kRuler = 18;

    void drawGrid(QPainter &painter, const QRectF &sheet) const
    {
        painter.setPen(m_owner.GridPen);
        const double ppi = pixelsPerInch();
        if (m_owner.GridVert > 0)
            for (double x = sheet.left(); x <= sheet.right(); x += m_owner.GridVert * ppi)
                painter.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
        if (m_owner.GridHoriz > 0)
            for (double y = sheet.top(); y <= sheet.bottom(); y += m_owner.GridHoriz * ppi)
                painter.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }

    void drawRulers(QPainter &painter, const QRectF &sheet) const
    {
        const TRulerType type = m_owner.model().RulerType;
        if (type == rtNone)
            return;
        const bool cm = type == rtHorizCm || type == rtVertCm || type == rtBothCm;
        const bool horiz
            = type == rtHorizCm || type == rtHorizIn || type == rtBothCm || type == rtBothIn;
        const bool vert
            = type == rtVertCm || type == rtVertIn || type == rtBothCm || type == rtBothIn;
        const double step = pixelsPerInch() / (cm ? 2.54 : 1.0);
        painter.setPen(Qt::black);
        QFont font = painter.font();
        font.setPixelSize(9);
        painter.setFont(font);
        if (horiz) {
            const QRectF band(sheet.left(), sheet.top() - kRuler, sheet.width(), kRuler - 2);
            painter.fillRect(band, QColor(255, 255, 225));
            for (int n = 0; n * step <= sheet.width(); ++n) {
                const double x = sheet.left() + n * step;
                painter.drawLine(QPointF(x, band.bottom()), QPointF(x, band.bottom() - 6));
                painter.drawText(QPointF(x + 2, band.top() + 10), QString::number(n));
            }
        }
        if (vert) {
            const QRectF band(sheet.left() - kRuler, sheet.top(), kRuler - 2, sheet.height());
            painter.fillRect(band, QColor(255, 255, 225));
            for (int n = 0; n * step <= sheet.height(); ++n) {
                const double y = sheet.top() + n * step;
                painter.drawLine(QPointF(band.right(), y), QPointF(band.right() - 6, y));
                painter.drawText(QPointF(band.left() + 1, y + 10), QString::number(n));
            }
        }
    }

    TFilePreview &m_owner;
};

TFilePreview::TFilePreview(QWidget *parent)
    : QScrollArea(parent)
    , m_page(new PreviewPage(*this))
{
    setObjectName(QStringLiteral("FilePreview1"));
    setWidget(m_page);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    m_page->relayout();
}

void TFilePreview::setStream(PageStream stream)
{
    m_model.setStream(std::move(stream));
    m_page->relayout();
    emit pageChanged();
}

void TFilePreview::zoomed(bool changed)
{
    if (!changed)
        return;
    m_page->relayout();
    emit zoomChanged();
}

void TFilePreview::paged(bool changed)
{
    if (!changed)
        return;
    m_page->relayout();
    verticalScrollBar()->setValue(0);
    emit pageChanged();
}

void TFilePreview::ZoomIn()
{
    zoomed(m_model.zoomIn());
}
void TFilePreview::ZoomOut()
{
    zoomed(m_model.zoomOut());
}
void TFilePreview::SetZoom(double percent)
{
    zoomed(m_model.setZoom(percent));
}
void TFilePreview::SetZoomText(const QString &text)
{
    zoomed(m_model.acceptZoomText(text));
}
void TFilePreview::NextPage()
{
    paged(m_model.nextPage());
}
void TFilePreview::PrevPage()
{
    paged(m_model.previousPage());
}
void TFilePreview::PrintPage(int pageNumber)
{
    paged(m_model.showPageNumber(pageNumber));
}
void TFilePreview::SetPageText(const QString &text)
{
    paged(m_model.acceptPageText(text));
}

void TFilePreview::ZoomPageWidth()
{
    zoomed(m_model.zoomToWidth(
        viewport()->width() - verticalScrollBar()->sizeHint().width(), logicalDpiX()));
}

void TFilePreview::ZoomPage()
{
    zoomed(m_model.zoomToPage(QSizeF(viewport()->size()), logicalDpiX()));
}

} // namespace zendrova::print
