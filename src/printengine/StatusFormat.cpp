#include "printengine/StatusFormat.h"

#include <QTime>

namespace zendrova::print {

QString expandStatusFormat(const QString &format, const StatusValues &values)
{
    QString out;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            continue;
        }
        if (c != QLatin1Char('%') || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const QChar code = format.at(++i);
        if (code.isDigit()) {
            const int line = code.digitValue();
            if (line < values.lines.size())
                out += values.lines.at(line);
            continue;
        }
        switch (code.toUpper().unicode()) {
        case '%':
            out += QLatin1Char('%');
            break;
        case 'P':
            out += QString::number(values.page);
            break;
        case 'F':
            out += QString::number(values.firstPage);
            break;
        case 'L':
            out += QString::number(values.lastPage);
            break;
        case 'D':
            out += values.destination;
            break;
        case 'R':
            out += values.title;
            break;
        case 'T':
            out += QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
            break;
        default:
            out += QStringLiteral("<ERROR-%") + code + QLatin1Char('>');
            break;
        }
    }
    return out;
}

} // namespace zendrova::print
