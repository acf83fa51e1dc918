#include "printengine/ui/WidgetReportWindows.h"

#include "common/ui/DialogOwner.h"
#include "printengine/TRPDevice.h"
#include "printengine/ui/TRPPreviewForm.h"
#include "printengine/ui/TRPStatusForm.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace zendrova::print {

namespace {
class StatusFormWindow : public StatusWindow
{
public:
    StatusFormWindow(const QString &title, std::function<void()> cancel)
        : m_form(new TRPStatusForm(title, std::move(cancel), DialogOwner::find()))
    {
        m_form->setAttribute(Qt::WA_DeleteOnClose);
        m_form->setWindowModality(Qt::ApplicationModal);
        m_form->show();
    }
    ~StatusFormWindow() override
    {
        // A cancelled job's window stays until the user presses OK.
    }
    void setText(const QString &text) override
    {
        if (m_form)
            m_form->setStatus(text);
    }
    void finished(bool cancelled) override
    {
        if (m_form)
            m_form->finished(cancelled);
    }

private:
    QPointer<TRPStatusForm> m_form;
};
} // namespace

std::unique_ptr<StatusWindow> WidgetReportWindows::openStatus(
    const QString &title, std::function<void()> cancel)
{
    return std::make_unique<StatusFormWindow>(title, std::move(cancel));
}

void WidgetReportWindows::showPreview(const QString &title, const PageStream &stream)
{
    TRPPreviewForm form(title, stream, DialogOwner::find());
    form.exec();
}

bool WidgetReportWindows::choosePrinter()
{
    if (!requirePrinter())
        return false;
    QPrintDialog dialog(TRPDevice::instance().Printer(), DialogOwner::find());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zendrova::print
