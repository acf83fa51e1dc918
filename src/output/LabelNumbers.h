#pragma once

#include <QChar>
#include <QString>

namespace zendrova {

// Numbers typed into the label dialog's boxes, in the current locale.
namespace LabelNumbers {

inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kInchesPerCentimetre = 0.39370078740157480316;

// Thousands separators removed; text that is not a number reads as 0.
double read(const QString &text);
// A length in the dialog's units as inches (centimetres when metric is set).
double inches(const QString &text, bool metric);
// Integers: empty or not a number reads as 0.
int count(const QString &text);
// The shortest decimal form of the number to 15 significant digits.
QString shortest(double value);
// Whether a box takes the key: digits, Backspace and Tab, and the decimal
// separator where decimals are allowed.
bool acceptsKey(QChar key, bool decimals);

} // namespace LabelNumbers

} // namespace zendrova
