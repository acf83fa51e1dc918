#pragma once
#include "printengine/PageStream.h"
#include <QCoreApplication>
#include <QSizeF>
#include <QString>

namespace zendrova::print {

enum TRulerType { rtNone, rtHorizCm, rtVertCm, rtBothCm, rtHorizIn, rtVertIn, rtBothIn };

// What a preview shows of a page stream: the current page, the zoom and
// the texts of its page and zoom boxes. The preview widgets only draw it.
class PreviewModel
{
    Q_DECLARE_TR_FUNCTIONS(PreviewModel)

public:
    static constexpr double kMinZoom = 10.0;
    static constexpr double kMaxZoom = 1000.0;

    void setStream(PageStream stream);
    const PageStream &stream() const { return m_stream; }
    int pageCount() const { return int(m_stream.pages.size()); }
    // 0-based index of the page shown; -1 with no pages.
    int index() const { return m_index; }
    const Page *currentPage() const;
    // The engine page number of the page shown (0 with no pages).
    int pageNumber() const;

    // Each returns whether the page or the zoom changed.
    bool showIndex(int index);
    bool showPageNumber(int number);
    bool nextPage();
    bool previousPage();
    bool setZoom(double percent);
    bool zoomIn() { return setZoom(ZoomFactor + ZoomInc); }
    bool zoomOut() { return setZoom(ZoomFactor - ZoomInc); }
    // Zoom that fits the page width (or the whole page) into a viewport of
    // the given pixels on a screen of dpi, leaving MarginPercent around it.
    bool zoomToWidth(double viewportWidth, double dpi);
    bool zoomToPage(const QSizeF &viewport, double dpi);

    // "Page 2 of 5", counted from the first page of the stream.
    QString pageLabel() const;
    // The zoom with one decimal.
    QString zoomText() const;
    // A valid number different from the zoom becomes the zoom; anything else is ignored.
    bool acceptZoomText(const QString &text);
    // A valid page number different from the current page is shown.
    bool acceptPageText(const QString &text);

    double ZoomFactor = 100.0;
    double ZoomInc = 10.0;
    double MarginPercent = 2.5;
    TRulerType RulerType = rtNone;
    bool Monochrome = false;

private:
    QSizeF pageInches() const;
    PageStream m_stream;
    int m_index = -1;
};

} // namespace zendrova::print
