#pragma once

#include <QApplication>

namespace zendrova {

// The program's application object. An exception that escapes an event
// handler or a slot is reported (EscapedError) instead of ending the program.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    // Caught at the innermost delivery, so as few Qt frames as possible are
    // unwound and an open dialog's loop keeps running.
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace zendrova
