#include "printengine/TRPDevice.h"

#include "common/Interaction.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace zendrova::print {

namespace {
std::optional<QStringList> &testPrinters()
{
    static std::optional<QStringList> names;
    return names;
}

QSizeF stockInches(int code)
{
    switch (code) {
    case kPaperLegal:
        return { 8.5, 14.0 };
    case kPaperA4:
        return QPageSize(QPageSize::A4).size(QPageSize::Inch);
    case kPaperEnvelope10:
        return { 4.125, 9.5 };
    default:
        return { 8.5, 11.0 };
    }
}

QPageSize::PageSizeId pageSizeId(int code)
{
    switch (code) {
    case kPaperLegal:
        return QPageSize::Legal;
    case kPaperA4:
        return QPageSize::A4;
    case kPaperEnvelope10:
        return QPageSize::Comm10E;
    default:
        return QPageSize::Letter;
    }
}
} // namespace

TRPDevice &TRPDevice::instance()
{
    static TRPDevice device;
    return device;
}

TRPDevice::TRPDevice() = default;
TRPDevice::~TRPDevice() = default;

void TRPDevice::setPrinterNamesForTesting(std::optional<QStringList> names)
{
    testPrinters() = std::move(names);
    instance().m_printer.reset();
}

QStringList TRPDevice::PrinterNames() const
{
    if (testPrinters())
        return *testPrinters();
    return QPrinterInfo::availablePrinterNames();
}

QPrinter *TRPDevice::Printer()
{
    if (m_printer)
        return m_printer.get();
    const QStringList names = PrinterNames();
    if (names.isEmpty())
        return nullptr;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QString preferred = QPrinterInfo::defaultPrinterName();
    m_printer->setPrinterName(names.contains(preferred) ? preferred : names.first());
    m_printer->setFullPage(true);
    applyPaper();
    return m_printer.get();
}

QString TRPDevice::PrinterName() const
{
    return m_printer ? m_printer->printerName() : QString();
}

bool TRPDevice::SelectPrinter(const QString &name)
{
    if (!PrinterNames().contains(name) || !Printer())
        return false;
    m_printer->setPrinterName(name);
    applyPaper();
    return true;
}

void TRPDevice::ChoosePaper(int code, double heightInches, double widthInches)
{
    m_paperCode = code;
    if (code == kPaperCustom) {
        // The printer takes tenths of a millimetre; keep what it will be given.
        const double w = std::round(widthInches * 254.0) / 254.0;
        const double h = std::round(heightInches * 254.0) / 254.0;
        if (w > 0 && h > 0)
            m_customInches = QSizeF(w, h);
    }
    if (m_printer)
        applyPaper();
}

void TRPDevice::applyPaper()
{
    if (!m_printer)
        return;
    if (m_paperCode == kPaperCustom)
        m_printer->setPageSize(
            QPageSize(m_customInches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
    else
        m_printer->setPageSize(QPageSize(pageSizeId(m_paperCode)));
}

QSizeF TRPDevice::PaperInches(TOrientation orientation) const
{
    QSizeF portrait;
    if (m_printer)
        portrait = m_printer->pageLayout().pageSize().size(QPageSize::Inch);
    else
        portrait = m_paperCode == kPaperCustom ? m_customInches : stockInches(m_paperCode);
    return orientation == poLandScape ? portrait.transposed() : portrait;
}

bool requirePrinter()
{
    if (!TRPDevice::instance().PrinterMissing())
        return true;
    showMessage(MessageKind::Warning,
        QCoreApplication::translate(
            "TRPDevice", "No printers installed on your system! Cannot perform this function."));
    return false;
}

} // namespace zendrova::print
