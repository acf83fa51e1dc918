#pragma once
#include "printengine/PageStream.h"
#include <QString>
#include <functional>
#include <memory>

namespace zendrova::print {

// The status window of a running job.
class StatusWindow
{
public:
    virtual ~StatusWindow();
    virtual void setText(const QString &text) = 0;
    // The job ended; a cancelled job's window waits for the user, a completed one closes.
    virtual void finished(bool cancelled) = 0;
};

// The windows of the report driver: status, preview and printer setup. The
// program installs the widget set at start-up; without it (tests, tools) no
// window shows.
class ReportWindows
{
public:
    virtual ~ReportWindows();
    // cancel is called when the user presses Cancel.
    virtual std::unique_ptr<StatusWindow> openStatus(
        const QString &title, std::function<void()> cancel)
        = 0;
    // Shows the pages until the user closes the window.
    virtual void showPreview(const QString &title, const PageStream &stream) = 0;
    // The platform's print-setup dialog for the shared device; true on OK.
    virtual bool choosePrinter() = 0;

    static ReportWindows &current();
    // Installs a replacement and returns the previous one; nullptr restores the windowless set.
    static ReportWindows *install(ReportWindows *replacement);
};

} // namespace zendrova::print
