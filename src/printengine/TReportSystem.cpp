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
    const TStreamMode callerMode = SystemFiler.StreamMode;
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
    std::unique_ptr<StatusWindow> status
        = ReportWindows::current().openStatus(TitleStatus, [&engine] { engine.CancelJob(); });
    const auto callerLabel = engine.StatusLabel;
    if (status)
        engine.StatusLabel
            = [window = status.get()](const QString &text) { window->setText(text); };
    const bool ran = engine.RunJob();
    engine.StatusLabel = callerLabel;
    SystemFiler.StreamMode = callerMode;
    m_cancelled = engine.JobCancelled();
    if (status)
        status->finished(m_cancelled);
    status.reset();
    // A page stream file written for the preview lives only as long as the preview.
    const QString previewFile = DefaultDest == rdPreview ? SystemFiler.WrittenFile() : QString();
    if (!ran || m_cancelled) {
        if (!previewFile.isEmpty())
            QFile::remove(previewFile);
        return false;
    }
    switch (DefaultDest) {
    case rdPreview:
        ReportWindows::current().showPreview(TitlePreview, SystemFiler.Stream());
        if (!previewFile.isEmpty())
            QFile::remove(previewFile);
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
