#include "common/EscapedError.h"

#include "common/Interaction.h"

#include <QtGlobal>

namespace zendrova {

namespace {
bool reporting = false;
} // namespace

QString EscapedError::messageText(const QString &detail)
{
    return tr("The last action could not be completed:") + QLatin1Char('\r') + detail;
}

QString EscapedError::unknownDetail()
{
    return tr("An unexpected error occurred.");
}

void EscapedError::report(const QString &detail) noexcept
{
    if (reporting) {
        qWarning("Not shown while another error is open: %s", qUtf8Printable(detail));
        return;
    }
    reporting = true;
    try {
        showMessage(MessageKind::Error, messageText(detail));
    } catch (...) {
        qCritical("Could not show an error: %s", qUtf8Printable(detail));
    }
    reporting = false;
}

} // namespace zendrova
