#include "editors/CurrencyText.h"

#include <cmath>
#include <cstdlib>

namespace zendrova {

namespace {
QChar decimalOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point[0];
}
} // namespace

bool CurrencyText::looksNegative(const QString &text)
{
    return text.contains(QLatin1Char('-')) || text.contains(QLatin1Char('('));
}

std::optional<long double> CurrencyText::parse(const QString &text, const QLocale &locale)
{
    const QChar point = decimalOf(locale);
    QByteArray kept;
    int points = 0;
    for (QChar c : text) {
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            kept += static_cast<char>(c.unicode());
        } else if (c == point) {
            kept += '.';
            ++points;
        }
    }
    if (kept.isEmpty())
        return looksNegative(text) ? -0.0L : 0.0L;
    if (points > 1 || kept == ".")
        return std::nullopt;
    char *end = nullptr;
    const long double value = std::strtold(kept.constData(), &end);
    if (end != kept.constData() + kept.size() || !std::isfinite(value))
        return std::nullopt;
    return looksNegative(text) ? -value : value;
}

QString CurrencyText::format(long double value, const QString &picture, const QLocale &locale)
{
    const bool grouping = picture.contains(QLatin1Char(','));
    int decimals = 0;
    const qsizetype point = picture.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        for (qsizetype i = point + 1; i < picture.size(); ++i) {
            if (picture[i] == QLatin1Char('0') || picture[i] == QLatin1Char('#'))
                ++decimals;
            else
                break;
        }
    }
    QLocale shown = locale;
    shown.setNumberOptions(grouping ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    QString text = shown.toString(static_cast<double>(value), 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    const QString zero = shown.toString(0.0, 'f', decimals);
    if (text.size() == zero.size() + 1 && text.endsWith(zero) && !text[0].isDigit())
        text = zero;
    return text;
}

bool CurrencyText::isAcceptedCharacter(QChar c, const QLocale &locale)
{
    return (c.unicode() >= '0' && c.unicode() <= '9') || c == QLatin1Char('-')
        || c == decimalOf(locale) || c == QChar(8);
}

} // namespace zendrova
