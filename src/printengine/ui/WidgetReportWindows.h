#pragma once
#include "printengine/ReportWindows.h"

namespace zendrova::print {

// The report driver's real windows; the program installs one at start-up.
class WidgetReportWindows : public ReportWindows
{
public:
    std::unique_ptr<StatusWindow> openStatus(
        const QString &title, std::function<void()> cancel) override;
    void showPreview(const QString &title, const PageStream &stream) override;
    bool choosePrinter() override;
};

} // namespace zendrova::print
