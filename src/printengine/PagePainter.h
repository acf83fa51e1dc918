#pragma once
#include "printengine/PageStream.h"
#include <QFont>

class QPainter;
class QPagedPaintDevice;

namespace zendrova::print {

// Pages are laid out and painted in decipoints (1/720 inch): a font of
// size s points is s * 10 pixels there, on every device alike, so what the
// engine measured is what the printer, the preview and the PDF show.
constexpr double kDecipointsPerInch = 720.0;
QFont pageFont(const TFontSpec &wanted);

struct PaintOptions
{
    double dpiX = 96, dpiY = 96;
    // Where the paper's top-left edge lies on the device, inches (negative
    // printable offsets of a printer).
    double offsetX = 0, offsetY = 0;
    bool screen = false; // screen-only shapes are painted
    bool monochrome = false;
};

// Paints one page's operations; the painter's device pixels are assumed at the given dpi.
void paintPage(QPainter &painter, const Page &page, const PaintOptions &options);

// Paints the pages first..last (engine page numbers; 0 = no bound) on a paged
// device, one device page each, in its own resolution; false when painting could not start.
bool paintPages(QPagedPaintDevice &device, const PageStream &stream, int first = 0, int last = 0);

} // namespace zendrova::print
