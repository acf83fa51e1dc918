#pragma once
#include "printengine/TBaseReport.h"
#include <memory>

class QPainter;

namespace zendrova::print {

// An engine whose pages go straight to the current printer of TRPDevice.
class TReportPrinter : public TBaseReport
{
    Q_DECLARE_TR_FUNCTIONS(TReportPrinter)

public:
    TReportPrinter();
    ~TReportPrinter() override;
    QString DestinationName() const override;

protected:
    bool beginJob() override;
    bool endJob(bool failed) override;
    void pageDone(Page &&page) override;

private:
    std::unique_ptr<QPainter> m_painter;
    bool m_anyPage = false;
};

} // namespace zendrova::print
