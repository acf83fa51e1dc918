#pragma once

class QObject;

namespace zendrova {

// Controls carry their help context in the "helpContext" property (0 = none).
int helpContextOf(const QObject *control);
void setHelpContext(QObject *control, int context);
// Shows the control's help topic when it has one.
void showHelpOf(const QObject *control);

} // namespace zendrova
