#pragma once

class QMessageBox;
class QWidget;

namespace zendrova {

// Where messages and progress windows go: over the window they belong to,
// never at the screen's centre away from the program.
class DialogOwner
{
public:
    // The window a message belongs to: the modal dialog in front, else the
    // active window, else the program's largest visible window (the window
    // manager may have the focus elsewhere, or nowhere, when a message comes).
    static QWidget *find();
    // Moves window so that its centre is over owner's (kept on owner's screen).
    static void placeOver(QWidget &window, const QWidget *owner);
    // Widens the box so that the window manager shows its whole title.
    static void fitTitle(QMessageBox &box);
    // The width a window needs for the window manager to show its whole title.
    static int titleWidth(const QWidget &window);
};

} // namespace zendrova
