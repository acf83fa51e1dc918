#include "printengine/ReportWindows.h"

namespace zendrova::print {

StatusWindow::~StatusWindow() = default;
ReportWindows::~ReportWindows() = default;

namespace {
// No windows: jobs run silently and a preview shows nothing.
class WindowlessReportWindows : public ReportWindows
{
public:
    std::unique_ptr<StatusWindow> openStatus(const QString &, std::function<void()>) override
    {
        return nullptr;
    }
    void showPreview(const QString &, const PageStream &) override { }
    bool choosePrinter() override { return false; }
};

WindowlessReportWindows &windowless()
{
    static WindowlessReportWindows windows;
    return windows;
}

ReportWindows *&installed()
{
    static ReportWindows *windows = nullptr;
    return windows;
}
} // namespace

ReportWindows &ReportWindows::current()
{
    return installed() ? *installed() : windowless();
}

ReportWindows *ReportWindows::install(ReportWindows *replacement)
{
    ReportWindows *previous = installed();
    installed() = replacement;
    return previous;
}

} // namespace zendrova::print
