#include "output/LabelPrinting.h"

#include "output/LabelRun.h"
#include "printengine/TReportSystem.h"

namespace zendrova {

using namespace print;

bool printLabels(LabelRun &run, LabelDestination destination, const QString &pdfFile)
{
    if (!run.check())
        return false;
    TReportSystem system;
    system.DefaultDest = destination == LabelDestination::Printer ? rdPrinter
        : destination == LabelDestination::Pdf                    ? rdPdf
                                                                  : rdPreview;
    system.PdfFileName = pdfFile;
    system.TitleSetup = QStringLiteral("Report Setup");
    system.TitleStatus = QStringLiteral("Report Status");
    system.TitlePreview = QStringLiteral("Report Preview");
    system.SystemFiler.FileName = QStringLiteral("label.tmp");
    system.SystemPrinter.StatusFormat = QStringLiteral("Printing page %p");
    system.SystemFiler.StatusFormat = QStringLiteral("Generating page %p");
    system.OnBeforePrint = [&run](TBaseReport &engine) { run.setUp(engine); };
    system.OnPrint = [&run](TBaseReport &engine) { run.print(engine); };
    return system.RunJob();
}

} // namespace zendrova
