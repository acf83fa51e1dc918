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

// The amount as the field would store it, without padding.
QString storedText(long double value, int decimals)
{
    return QString::number(static_cast<double>(value), 'f', decimals);
}

long double powerOfTen(int exponent)
{
    return std::pow(10.0L, static_cast<long double>(exponent));
}

} // namespace

bool NumberField::holds(long double value) const
{
    if (!limited())
        return true;
    return std::isfinite(value) && storedText(value, decimals).size() <= width;
}

long double NumberField::largest() const
{
    const int places = decimals > 0 ? decimals + 1 : 0; // the point and the decimals
    return powerOfTen(width - places) - powerOfTen(-decimals);
}

long double NumberField::smallest() const
{
    const int places = decimals > 0 ? decimals + 1 : 0;
    return -(powerOfTen(width - places - 1) - powerOfTen(-decimals));
}

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

bool CurrencyText::fitsWhileTyping(
    const QString &text, const NumberField &field, const QLocale &locale)
{
    if (!field.limited())
        return true;
    const qsizetype point = text.indexOf(decimalOf(locale));
    if (point >= 0) {
        if (field.decimals == 0)
            return false;
        int decimals = 0;
        for (qsizetype i = point + 1; i < text.size(); ++i)
            decimals += text[i].isDigit() ? 1 : 0;
        if (decimals > field.decimals)
            return false;
    }
    const std::optional<long double> value = parse(text, locale);
    return !value || field.holds(*value);
}

QString CurrencyText::doesNotFitText(
    const QString &caption, const NumberField &field, const QLocale &locale)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    const QString picture = field.decimals > 0
        ? QStringLiteral(",0.") + QString(field.decimals, QLatin1Char('0'))
        : QStringLiteral(",0");
    return tr("The number in %1 is too long to be stored!\rThis field holds numbers from %2 to %3.")
        .arg(name, format(field.smallest(), picture, locale),
            format(field.largest(), picture, locale));
}

bool CurrencyText::isAcceptedCharacter(QChar c, const QLocale &locale)
{
    return (c.unicode() >= '0' && c.unicode() <= '9') || c == QLatin1Char('-')
        || c == decimalOf(locale) || c == QChar(8);
}

} // namespace zendrova
