#pragma once
#include "printengine/TReportFiler.h"
#include "printengine/TReportPrinter.h"
#include <QCoreApplication>
#include <functional>

namespace zendrova::print {

enum TReportDest { rdPrinter, rdPreview, rdFile, rdPdf };
enum TSystemSetup {
    ssAllowSetup = 1,
    ssAllowCopies = 2,
    ssAllowCollate = 4,
    ssAllowDuplex = 8,
    ssAllowDestPreview = 16,
    ssAllowDestPrinter = 32,
    ssAllowDestFile = 64,
    ssAllowPrinterSetup = 128,
};

// The one-call driver: runs the caller's OnPrint on the printer engine
// (with a status window), on the page stream engine and then the preview
// window, to a page stream file, or to a PDF file.
class TReportSystem
{
    Q_DECLARE_TR_FUNCTIONS(TReportSystem)

public:
    TReportSystem();

    TReportDest DefaultDest = rdPreview;
    QString TitleSetup = QStringLiteral("Report Setup");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Report Preview");
    int SystemSetups = ssAllowCopies | ssAllowCollate | ssAllowDuplex | ssAllowDestPreview
        | ssAllowDestPrinter | ssAllowDestFile | ssAllowPrinterSetup;
    // Engines for the printer and for page streams; set margins, status formats here.
    TReportPrinter SystemPrinter;
    TReportFiler SystemFiler;
    QString PdfFileName; // rdPdf

    std::function<void(TBaseReport &)> OnBeforePrint;
    std::function<void(TBaseReport &)> OnPrint;
    std::function<void(TBaseReport &)> OnAfterPrint;

    // The engine of the destination.
    TBaseReport &Engine();
    // Runs the job; false when it did not complete (no printer for rdPrinter,
    // cancelled, or a failure already reported).
    bool RunJob();
    bool Cancelled() const { return m_cancelled; }

private:
    bool m_cancelled = false;
};

} // namespace zendrova::print
