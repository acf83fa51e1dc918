#include "common/ui/WidgetLoginPrompt.h"

#include "common/ui/TLoginDlg.h"

#include <QApplication>

namespace zendrova {

LoginOutcome WidgetLoginPrompt::run(const LoginForm &form)
{
    TLoginDlg dialog(form, QApplication::activeWindow());
    dialog.exec();
    return dialog.outcome();
}

} // namespace zendrova
