#include "output/LabelNumbers.h"

#include <QLocale>

namespace zendrova::LabelNumbers {

double read(const QString &text)
{
    const QLocale locale;
    QString plain = text.trimmed();
    plain.remove(locale.groupSeparator());
    bool ok = false;
    const double value = locale.toDouble(plain, &ok);
    return ok ? value : 0.0;
}

double inches(const QString &text, bool metric)
{
    const double value = read(text);
    return metric ? value / kCentimetresPerInch : value;
}

int count(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString shortest(double value)
{
    // Fifteen digits hide the noise of converting back and forth (2.625 inches
    // to centimetres and back is 2.6250000000000004 in full precision).
    constexpr int kSignificantDigits = 15;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', kSignificantDigits);
}

bool acceptsKey(QChar key, bool decimals)
{
    if (key.isDigit() || key == QChar(u'\b') || key == QChar(u'\t'))
        return true;
    return decimals && QString(key) == QLocale().decimalPoint();
}

} // namespace zendrova::LabelNumbers
