#include "shell/ui/TMainDlg.h"

#include "common/AppState.h"

#include <QCloseEvent>

namespace zendrova {

namespace {
constexpr int kOffScreenTop = -100;
} // namespace

TMainDlg::TMainDlg(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainDlg"));
    setWindowTitle(AppState::kProductName);
    setEnabled(false);
    move(0, kOffScreenTop);
}

void TMainDlg::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace zendrova
