#pragma once
#include "printengine/PreviewModel.h"
#include <QColor>
#include <QScrollArea>

namespace zendrova::print {

class PreviewPage;

// Shows one page of a page stream in a scroll box at a zoom; what page and
// zoom are lies in its PreviewModel.
class TFilePreview : public QScrollArea
{
    Q_OBJECT

public:
    explicit TFilePreview(QWidget *parent = nullptr);

    PreviewModel &model() { return m_model; }
    const PreviewModel &model() const { return m_model; }
    void setStream(PageStream stream);

    void ZoomIn();
    void ZoomOut();
    void ZoomPageWidth();
    void ZoomPage();
    void NextPage();
    void PrevPage();
    void PrintPage(int pageNumber);
    void SetZoom(double percent);
    void SetZoomText(const QString &text);
    void SetPageText(const QString &text);

    int ShadowDepth = 4;
    QColor GridPen = QColor(200, 200, 255);
    double GridHoriz = 0; // inches between grid lines, 0 = none
    double GridVert = 0;

signals:
    void pageChanged();
    void zoomChanged();

private:
    void zoomed(bool changed);
    void paged(bool changed);
    PreviewModel m_model;
    PreviewPage *m_page;
};

} // namespace zendrova::print
