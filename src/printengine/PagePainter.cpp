#include "printengine/PagePainter.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zendrova::print {

QFont pageFont(const TFontSpec &wanted)
{
    QFont font(wanted.name);
    font.setPixelSize(std::max(1, int(std::lround(wanted.size * kDecipointsPerInch / 72.0))));
    font.setBold(wanted.style & fsBold);
    font.setItalic(wanted.style & fsItalic);
    font.setUnderline(wanted.style & fsUnderline);
    font.setStrikeOut(wanted.style & fsStrikeOut);
    // Unhinted outlines scale the same on a 96 dpi screen and a 1200 dpi printer.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

namespace {
double dp(double inches)
{
    return inches * kDecipointsPerInch;
}

QColor shown(const QColor &color, bool monochrome)
{
    if (!monochrome || !color.isValid())
        return color;
    const int grey = qGray(color.rgb());
    return QColor(grey, grey, grey);
}

struct Painting
{
    QPainter &painter;
    const PaintOptions &options;

    void operator()(const PageText &op) const
    {
        painter.setFont(pageFont(op.font));
        painter.setPen(shown(op.font.color, options.monochrome));
        painter.drawText(QPointF(dp(op.x), dp(op.y)), op.text);
    }
    void operator()(const PageLine &op) const
    {
        QPen pen(shown(op.color, options.monochrome));
        pen.setWidthF(dp(op.width));
        pen.setCosmetic(op.width <= 0);
        painter.setPen(pen);
        painter.drawLine(QPointF(dp(op.x1), dp(op.y1)), QPointF(dp(op.x2), dp(op.y2)));
    }
    void operator()(const PageShape &op) const
    {
        if (op.screenOnly && !options.screen)
            return;
        QPen pen = op.pen.isValid() ? QPen(shown(op.pen, options.monochrome)) : QPen(Qt::NoPen);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(
            op.brush.isValid() ? QBrush(shown(op.brush, options.monochrome)) : QBrush(Qt::NoBrush));
        const QRectF rect(QPointF(dp(op.left), dp(op.top)), QPointF(dp(op.right), dp(op.bottom)));
        switch (op.kind) {
        case PageShapeKind::Rect:
            painter.drawRect(rect);
            break;
        case PageShapeKind::RoundRect:
            painter.drawRoundedRect(rect, dp(op.radius), dp(op.radius));
            break;
        case PageShapeKind::Ellipse:
            painter.drawEllipse(rect);
            break;
        }
        painter.setBrush(Qt::NoBrush);
    }
    void operator()(const PagePicture &op) const
    {
        const QRectF rect(QPointF(dp(op.left), dp(op.top)), QPointF(dp(op.right), dp(op.bottom)));
        painter.drawImage(rect,
            options.monochrome ? op.image.convertToFormat(QImage::Format_Grayscale8) : op.image);
    }
};
} // namespace

void paintPage(QPainter &painter, const Page &page, const PaintOptions &options)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, options.screen);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(options.offsetX * options.dpiX, options.offsetY * options.dpiY);
    painter.scale(options.dpiX / kDecipointsPerInch, options.dpiY / kDecipointsPerInch);
    const Painting paint { painter, options };
    for (const PageOp &op : page.ops)
        std::visit(paint, op);
    painter.restore();
}

namespace {
QPageLayout layoutFor(const Page &page)
{
    const bool landscape = page.width > page.height;
    const QSizeF portrait
        = landscape ? QSizeF(page.height, page.width) : QSizeF(page.width, page.height);
    return QPageLayout(QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

bool wanted(const Page &page, int first, int last)
{
    return (first <= 0 || page.number >= first) && (last <= 0 || page.number <= last);
}
} // namespace

bool paintPages(QPagedPaintDevice &device, const PageStream &stream, int first, int last)
{
    QList<const Page *> pages;
    for (const Page &page : stream.pages)
        if (wanted(page, first, last))
            pages.append(&page);
    if (pages.isEmpty())
        return false;
    device.setPageLayout(layoutFor(*pages.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(layoutFor(*pages.at(i)));
            device.newPage();
        }
        PaintOptions options;
        options.dpiX = device.logicalDpiX();
        options.dpiY = device.logicalDpiY();
        paintPage(painter, *pages.at(i), options);
    }
    return painter.end();
}

} // namespace zendrova::print
