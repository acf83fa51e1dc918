#include "common/ui/GuardedApplication.h"

#include "common/EscapedError.h"

#include <exception>

namespace zendrova {

GuardedApplication::GuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        EscapedError::report(QString::fromUtf8(error.what()));
    } catch (...) {
        EscapedError::report(EscapedError::unknownDetail());
    }
    return false;
}

} // namespace zendrova
