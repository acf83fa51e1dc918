#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace zendrova {

// Reading and showing amounts of the currency field with the locale's
// thousands and decimal separators.
class CurrencyText
{
public:
    // Keeps the digits and decimal separators of the text; nothing left gives 0,
    // a text that does not convert (two points) gives nothing; a "-" or "("
    // anywhere makes the amount negative.
    static std::optional<long double> parse(const QString &text, const QLocale &locale = QLocale());
    static bool looksNegative(const QString &text);
    // Formats with a picture such as ",0.00" (thousands separators, two
    // decimals) or ",0" (whole numbers): a "," asks for grouping, the "0" and
    // "#" after the point give the number of decimals.
    static QString format(long double value, const QString &picture,
                          const QLocale &locale = QLocale());
    // The characters the editor lets through besides digits and Backspace.
    static bool isAcceptedCharacter(QChar c, const QLocale &locale = QLocale());
};

} // namespace zendrova
