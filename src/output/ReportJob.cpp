#include "output/ReportJob.h"

#include "printengine/TRPDevice.h"
#include "printengine/TReportFiler.h"
#include "printengine/TReportPrinter.h"

#include <QDir>
#include <QFile>

namespace zendrova {

namespace {
const QString kStreamFile = QStringLiteral("temp$$$.rpt");
const QString kJobTitle = QStringLiteral("Report");
} // namespace

ReportJob::ReportJob(StoreTable &table, const ReportSetup &setup, QStringList captions,
                     const DateFormatList &dateFormats, ReportHooks hooks, TReportRec *definition)
    : m_table(table)
    , m_setup(setup)
    , m_captions(std::move(captions))
    , m_dateFormats(dateFormats)
    , m_hooks(std::move(hooks))
    , m_definition(definition)
{
    if (toPreview()) {
        m_filer = std::make_unique<print::TReportFiler>();
        m_filer->StreamMode = print::smFile;
        m_filer->FileName = streamFile();
    } else {
        m_printer = std::make_unique<print::TReportPrinter>();
    }
    engine().Title = kJobTitle;
}

ReportJob::~ReportJob()
{
    if (toPreview())
        QFile::remove(streamFile());
}

QString ReportJob::completedText()
{
    return tr("\rReport Completed!");
}

QString ReportJob::canceledText()
{
    return tr("\rReport Canceled!");
}

QString ReportJob::streamFile() const
{
    return QDir::current().filePath(kStreamFile);
}

print::TBaseReport &ReportJob::engine()
{
    if (m_filer)
        return *m_filer;
    return *m_printer;
}

const print::PageStream &ReportJob::pages() const
{
    static const print::PageStream none;
    return m_filer ? m_filer->Stream() : none;
}

ReportJob::Outcome ReportJob::run(const std::function<void(const QString &)> &status)
{
    if (!toPreview() && !print::requirePrinter())
        return Outcome::NoPrinter;
    if (toPreview()) {
        // The stream file exists, empty, from the start of the run.
        QFile file(streamFile());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.close();
    }
    ReportRun report(engine(), m_table, m_setup, m_captions, m_dateFormats, m_hooks);
    report.setDefinition(m_definition);
    report.attach();
    engine().StatusLabel = status;
    const bool ran = engine().RunJob();
    engine().StatusLabel = nullptr;
    if (engine().JobCancelled())
        return Outcome::Cancelled;
    return ran ? Outcome::Completed : Outcome::Failed;
}

void ReportJob::cancel()
{
    engine().CancelJob();
}

} // namespace zendrova
