#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// An error that no handler caught on its way back to the event loop (in
// practice one of the store's): the user is told, the action it interrupted is
// over, and the program goes on with the next event.
class EscapedError
{
    Q_DECLARE_TR_FUNCTIONS(EscapedError)
public:
    // The text shown for an error whose own text is detail.
    static QString messageText(const QString &detail);
    // Stands in for the text of something thrown that is not a std::exception.
    static QString unknownDetail();

    // Shows messageText(detail) as an error through the Interaction service.
    // An error arriving while that message is still open is only logged: its
    // box would stack on the first, and a failing repaint behind a box would
    // raise one box after another. Never throws, as the event loop above it
    // has nothing left to catch with.
    static void report(const QString &detail) noexcept;
};

} // namespace zendrova
