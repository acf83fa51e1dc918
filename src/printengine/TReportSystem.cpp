#include "printengine/TReportSystem.h"

#include "printengine/ReportWindows.h"
#include "printengine/TFilePrinter.h"
#include "printengine/TRPDevice.h"

#include <QFile>

namespace zendrova::print {

TReportSystem::TReportSystem()
{
    SystemFiler.StreamMode = smMemory;
}

TBaseReport &TReportSystem::Engine()
{
    if (DefaultDest == rdPrinter)
        return SystemPrinter;
    return SystemFiler;
}

bool TReportSystem::RunJob()
{
    m_cancelled = false;
    if (DefaultDest == rdPrinter && !requirePrinter())
        return false;
    TBaseReport &engine = Engine();
    if (DefaultDest == rdFile)
        SystemFiler.StreamMode = smFile;
    engine.OnBeforePrint = [this, &engine] {
        if (OnBeforePrint)
            OnBeforePrint(engine);
    };
    engine.OnPrint = [this, &engine] {
        if (OnPrint)
            OnPrint(engine);
    };
    engine.OnAfterPrint = [this, &engine] {
        if (OnAfterPrint)
            OnAfterPrint(engine);
    };
    std::unique_ptr<StatusWindow> status =
        ReportWindows::current().openStatus(TitleStatus, [&engine] { engine.CancelJob(); });
    const auto callerLabel = engine.StatusLabel;
    if (status)
        engine.StatusLabel = [window = status.get()](const QString &text) { window->setText(text); };
    const bool ran = engine.RunJob();
    engine.StatusLabel = callerLabel;
    m_cancelled = engine.JobCancelled();
    if (status)
        status->finished(m_cancelled);
    status.reset();
    if (!ran || m_cancelled)
        return false;
    switch (DefaultDest) {
    case rdPreview:
        ReportWindows::current().showPreview(TitlePreview, SystemFiler.Stream());
        return true;
    case rdPdf:
        return writePdf(SystemFiler.Stream(), PdfFileName);
    case rdPrinter:
    case rdFile:
        break;
    }
    return true;
}

} // namespace zendrova::print
