#include "printengine/TReportPrinter.h"

#include "printengine/PagePainter.h"
#include "printengine/TRPDevice.h"

#include <QPainter>
#include <QPrinter>

namespace zendrova::print {

TReportPrinter::TReportPrinter()
{
    StatusFormat = QStringLiteral("Printing page %p");
}

TReportPrinter::~TReportPrinter() = default;

QString TReportPrinter::DestinationName() const
{
    return TRPDevice::instance().PrinterName();
}

bool TReportPrinter::beginJob()
{
    QPrinter *printer = TRPDevice::instance().Printer();
    if (!printer)
        return false;
    printer->setDocName(Title);
    printer->setCopyCount(Copies);
    printer->setPageOrientation(
        Orientation == poLandScape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_painter = std::make_unique<QPainter>();
    m_anyPage = false;
    return m_painter->begin(printer);
}

void TReportPrinter::pageDone(Page &&page)
{
    QPrinter *printer = TRPDevice::instance().Printer();
    if (!printer || !m_painter)
        return;
    if (m_anyPage)
        printer->newPage();
    m_anyPage = true;
    PaintOptions options;
    options.dpiX = printer->logicalDpiX();
    options.dpiY = printer->logicalDpiY();
    paintPage(*m_painter, page, options);
}

bool TReportPrinter::endJob(bool failed)
{
    QPrinter *printer = TRPDevice::instance().Printer();
    if (failed && printer)
        printer->abort();
    const bool ok = m_painter && m_painter->end();
    m_painter.reset();
    return ok || failed;
}

} // namespace zendrova::print
