#include "output/ReportNumbers.h"

#include <QLocale>

namespace zendrova {

QChar decimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? QLatin1Char('.') : separator.front();
}

double readReportNumber(const QString &text)
{
    const QLocale locale;
    QString plain = text.trimmed();
    plain.remove(locale.groupSeparator());
    bool ok = false;
    const double value = locale.toDouble(plain, &ok);
    return ok ? value : 0.0;
}

QString shortestNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

bool numberBoxAccepts(QChar key)
{
    return key.isDigit() || key == decimalSeparator() || key == QChar(0x08) || key == QChar(0x09);
}

} // namespace zendrova
