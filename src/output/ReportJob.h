#pragma once

#include "output/ReportRun.h"
#include "output/ReportSetup.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

namespace zendrova {

namespace print {
class TBaseReport;
class TReportFiler;
class TReportPrinter;
struct PageStream;
} // namespace print

// One start of a report from the layout dialog: the printer engine for
// "print", the page-stream engine writing "temp$$$.rpt" in the current
// directory for "preview". The status window drives it; the preview shows
// its pages afterwards, and the page stream file goes when the job does.
class ReportJob
{
    Q_DECLARE_TR_FUNCTIONS(ReportJob)

public:
    enum class Outcome { NoPrinter, Completed, Cancelled, Failed };

    ReportJob(StoreTable &table, const ReportSetup &setup, QStringList captions,
              const DateFormatList &dateFormats, ReportHooks hooks, TReportRec *definition);
    ~ReportJob();
    ReportJob(const ReportJob &) = delete;
    ReportJob &operator=(const ReportJob &) = delete;

    // Runs the whole report; status receives each status text of the engine.
    // Printing needs an installed printer (the user is told when there is
    // none); the preview does not.
    Outcome run(const std::function<void(const QString &)> &status);
    // The engine stops after the page in progress.
    void cancel();

    const ReportSetup &setup() const { return m_setup; }
    bool toPreview() const { return m_setup.destination == ReportSetup::Destination::Preview; }
    // The pages of a preview run.
    const print::PageStream &pages() const;
    QString streamFile() const;

    static QString completedText();
    static QString canceledText();

private:
    print::TBaseReport &engine();

    StoreTable &m_table;
    ReportSetup m_setup;
    QStringList m_captions;
    const DateFormatList &m_dateFormats;
    ReportHooks m_hooks;
    TReportRec *m_definition;
    std::unique_ptr<print::TReportPrinter> m_printer;
    std::unique_ptr<print::TReportFiler> m_filer;
};

} // namespace zendrova
