#pragma once
#include "printengine/ReportTypes.h"
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <variant>

namespace zendrova::print {

// What a produced page holds: drawing operations in inches from the top-left
// paper edge. The page stream file keeps exactly this; every destination
// (printer, preview, PDF) paints it the same way.
struct PageText
{
    double x = 0, y = 0; // y is the baseline
    QString text;
    TFontSpec font;
};
struct PageLine
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor color = Qt::black;
    double width = 0; // inches; 0 = the thinnest line of the device
};
enum class PageShapeKind : quint8 { Rect = 0, RoundRect = 1, Ellipse = 2 };
struct PageShape
{
    PageShapeKind kind = PageShapeKind::Rect;
    double left = 0, top = 0, right = 0, bottom = 0;
    double radius = 0; // corner radius for RoundRect, inches
    QColor pen = Qt::black; // invalid colour = no outline
    QColor brush; // invalid colour = no fill
    bool screenOnly = false; // shown by the preview, never printed
};
struct PagePicture
{
    double left = 0, top = 0, right = 0, bottom = 0;
    QImage image;
};
using PageOp = std::variant<PageText, PageLine, PageShape, PagePicture>;

struct Page
{
    int number = 1; // the engine's page number
    double width = 8.5; // inches
    double height = 11.0;
    QList<PageOp> ops;
};

struct PageStream
{
    QString title;
    QList<Page> pages;
};

} // namespace zendrova::print
