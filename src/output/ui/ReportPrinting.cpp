#include "output/ui/ReportPrinting.h"

#include "output/ReportJob.h"
#include "output/ui/TReportForm.h"
#include "printengine/ReportWindows.h"

namespace zendrova {

void runReportWithStatus(const ReportSetup &setup, const ReportSources &sources,
                         TReportRec &definition, QWidget *parent)
{
    if (!sources.table || !sources.dateFormats)
        return;
    ReportJob job(*sources.table, setup, sources.captions, *sources.dateFormats, sources.hooks,
        &definition);
    TReportForm status(job, parent);
    status.exec();
    if (job.toPreview() && status.outcome() == ReportJob::Outcome::Completed)
        print::ReportWindows::current().showPreview(
            QCoreApplication::translate("TPreviewForm", "Report Preview Window"), job.pages());
}

} // namespace zendrova
