#pragma once
#include "printengine/ReportTypes.h"
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;

namespace zendrova::print {

// The one printer device that every engine shares: the current printer,
// its paper and, with no printer installed, the remembered custom paper size.
class TRPDevice
{
public:
    static TRPDevice &instance();
    ~TRPDevice();

    // The printers the platform lists (CUPS through Qt).
    QStringList PrinterNames() const;
    bool PrinterMissing() const { return PrinterNames().isEmpty(); }
    // The current printer; nullptr with no printer installed.
    QPrinter *Printer();
    QString PrinterName() const;
    // Makes a listed printer the current one for every engine.
    bool SelectPrinter(const QString &name);

    // code: 1 Letter, 5 Legal, 9 A4, 20 Envelope #10, 256 custom (height and
    // width in inches, given to the printer in tenths of a millimetre).
    void ChoosePaper(int code, double heightInches, double widthInches);
    int PaperCode() const { return m_paperCode; }
    // The paper size in inches for an orientation.
    QSizeF PaperInches(TOrientation orientation) const;

    // Tests replace the platform's printer list (nullopt restores it).
    static void setPrinterNamesForTesting(std::optional<QStringList> names);

private:
    TRPDevice();
    void applyPaper();
    std::unique_ptr<QPrinter> m_printer;
    int m_paperCode = kPaperLetter;
    QSizeF m_customInches { 8.5, 11.0 };
};

// "No printers installed on your system! Cannot perform this function." when
// no printer exists; true when there is one. Only for work that needs a
// physical printer: preview, page stream and PDF work without one.
bool requirePrinter();

} // namespace zendrova::print
