#include "editors/ScreenGrab.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace zendrova {

namespace {
ScreenGrab::Source &replacement()
{
    static ScreenGrab::Source source;
    return source;
}
} // namespace

QString ScreenGrab::unavailableReason()
{
    if (replacement())
        return {};
    const QString platform = QGuiApplication::platformName();
    // Off-screen and minimal displays have no screen to read; Wayland keeps it from programs.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
        || platform.startsWith(QLatin1String("wayland")) || !QGuiApplication::primaryScreen())
        return tr("Screen Capture is not available: this display (%1) does not allow programs "
                  "to read the screen.")
            .arg(platform);
    return {};
}

QString ScreenGrab::failedText()
{
    return tr("The screen could not be read, so nothing was captured.");
}

QImage ScreenGrab::wholeScreen(QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (replacement())
        return replacement()(screen);
    if (!screen)
        return {};
    return screen->grabWindow(0).toImage();
}

void ScreenGrab::setSource(Source source)
{
    replacement() = std::move(source);
}

} // namespace zendrova
