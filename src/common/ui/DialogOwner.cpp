#include "common/ui/DialogOwner.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace zendrova {

namespace {
// The window manager's icon and buttons beside the title, with its margins.
constexpr int kTitleBarExtras = 140;
} // namespace

QWidget *DialogOwner::find()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *largest = nullptr;
    int largestArea = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->isEnabled() || window->windowType() == Qt::ToolTip
            || window->windowType() == Qt::Popup)
            continue;
        const int area = window->width() * window->height();
        if (area > largestArea) {
            largest = window;
            largestArea = area;
        }
    }
    return largest;
}

void DialogOwner::placeOver(QWidget &window, const QWidget *owner)
{
    QRect frame = window.frameGeometry();
    if (owner) {
        frame.moveCenter(owner->frameGeometry().center());
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::clamp(
            frame.left(), area.left(), std::max(area.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(
            frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1)));
    }
    window.move(frame.topLeft());
}

int DialogOwner::titleWidth(const QWidget &window)
{
    return window.fontMetrics().horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
}

void DialogOwner::fitTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    // The message box sizes itself by its text; a spacer across the bottom
    // keeps it at least as wide as its title needs.
    const int width = titleWidth(box);
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace zendrova
