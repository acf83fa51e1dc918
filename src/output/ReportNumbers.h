#pragma once

#include <QChar>
#include <QString>

namespace zendrova {

// Numbers typed in the report dialog: the locale's thousands separators are
// ignored and text that is not a number reads as 0.
double readReportNumber(const QString &text);
// The shortest decimal form (at most 15 significant digits, so conversion
// noise such as 2.54 x 1.5 = 3.8100000000000005 shows as 3.81).
QString shortestNumber(double value);
// The number boxes take only digits, the decimal separator, Backspace and Tab.
bool numberBoxAccepts(QChar key);
QChar decimalSeparator();

} // namespace zendrova
