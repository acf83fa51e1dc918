#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <functional>

class QScreen;

namespace zendrova {

// Copies of the whole screen for Screen Capture. Some display servers do not
// let a program read the screen; they are named here so the user is told
// instead of getting a blank picture.
class ScreenGrab
{
    Q_DECLARE_TR_FUNCTIONS(ScreenGrab)
public:
    using Source = std::function<QImage(QScreen *)>;

    // Empty when the screen can be read, else the message that says why not.
    static QString unavailableReason();
    // Said when reading the screen failed although the display allows it.
    static QString failedText();
    // A copy of the screen's pixels (device pixel ratio set); null when reading failed.
    static QImage wholeScreen(QScreen *screen);
    // Replaces where the screen's pixels come from (tests); an empty source restores the display.
    static void setSource(Source source);
};

} // namespace zendrova
