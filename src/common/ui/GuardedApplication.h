#pragma once

#include <QApplication>

namespace zendrova {

// The program's application object. An exception that escapes an event
// handler or a slot is reported (EscapedError) instead of ending the program.
// No Q_OBJECT: it adds no signals, slots or properties.
class GuardedApplication final : public QApplication
{
public:
    GuardedApplication(int &argc, char **argv);

    // Caught at the innermost delivery, so as few Qt frames as possible are
    // unwound and an open dialog's loop keeps running.
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace zendrova
