#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <optional>

namespace zendrova {

// The size of the numeric field an amount is stored in: its width in
// characters (sign and point included) and its decimals. A width of 0 sets
// no limit.
struct NumberField
{
    int width = 0;
    int decimals = 0;

    bool limited() const { return width > 0; }
    // Whether the field can store the amount once rounded to its decimals.
    bool holds(long double value) const;
    // The largest and the smallest amount it can store.
    long double largest() const;
    long double smallest() const;
};

// Reading and showing amounts of the currency field with the locale's
// thousands and decimal separators.
class CurrencyText
{
    Q_DECLARE_TR_FUNCTIONS(CurrencyText)

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
    // Whether a text typed into an editor for the field can be stored there:
    // no more decimal places than the field has, and an amount it holds. A
    // text that does not convert is left to the parse that follows.
    static bool fitsWhileTyping(
        const QString &text, const NumberField &field, const QLocale &locale = QLocale());
    // Why an amount cannot be stored in the field the caption names.
    static QString doesNotFitText(const QString &caption, const NumberField &field,
                                  const QLocale &locale = QLocale());
};

} // namespace zendrova
