#pragma once

#include "output/ReportRun.h"

#include <QStringList>
#include <functional>

class QWidget;

namespace zendrova {

class DateFormatList;
class StoreTable;
class TReportRec;
struct ReportSetup;

// What the report dialog needs to start runs: the records, the captions and
// date formats, the main window's hooks and the current definition.
struct ReportSources
{
    StoreTable *table = nullptr;
    QStringList captions;
    const DateFormatList *dateFormats = nullptr;
    ReportHooks hooks;
    QString userFolder;
};

// Runs a report with its status window and, for a preview that was not
// cancelled, the preview window; the page stream file is gone afterwards.
void runReportWithStatus(const ReportSetup &setup, const ReportSources &sources,
                         TReportRec &definition, QWidget *parent);

} // namespace zendrova
