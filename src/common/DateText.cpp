#include "common/DateText.h"

#include <QStringList>

namespace zendrova {

namespace {

class Scanner
{
public:
    explicit Scanner(const QString &text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(' '))
            ++m_pos;
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    bool take(QChar c)
    {
        skipBlanks();
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }
    // A run of digits that stops once its value reaches 1000.
    std::optional<int> number()
    {
        skipBlanks();
        int value = 0;
        int digits = 0;
        while (m_pos < m_text.size() && m_text[m_pos].isDigit() && m_text[m_pos].unicode() < 128
               && value < 1000) {
            value = value * 10 + (m_text[m_pos].unicode() - '0');
            ++digits;
            ++m_pos;
        }
        if (digits == 0)
            return std::nullopt;
        return value;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

DateOrder DateText::orderOf(const QString &format)
{
    const QChar first = format.isEmpty() ? QLatin1Char('m') : format[0].toLower();
    if (first == QLatin1Char('d'))
        return DateOrder::DayMonthYear;
    if (first == QLatin1Char('y'))
        return DateOrder::YearMonthDay;
    return DateOrder::MonthDayYear;
}

std::optional<QDate> DateText::parse(const QString &text, DateOrder order, QDate today)
{
    const QChar sep(QLatin1Char('/'));
    Scanner scan(text);
    int numbers[3] = {0, 0, 0};
    int count = 0;
    auto first = scan.number();
    if (!first || !scan.take(sep))
        return std::nullopt;
    numbers[count++] = *first;
    auto second = scan.number();
    if (!second)
        return std::nullopt;
    numbers[count++] = *second;
    if (scan.take(sep)) {
        scan.skipBlanks();
        if (!scan.atEnd()) {
            auto third = scan.number();
            if (!third)
                return std::nullopt;
            numbers[count++] = *third;
            scan.take(sep);
        }
    }
    scan.skipBlanks();
    if (!scan.atEnd())
        return std::nullopt;

    int year = today.year();
    int month = 0;
    int day = 0;
    if (count == 2) {
        const bool dayFirst = order == DateOrder::DayMonthYear;
        month = dayFirst ? numbers[1] : numbers[0];
        day = dayFirst ? numbers[0] : numbers[1];
    } else {
        switch (order) {
        case DateOrder::MonthDayYear:
            month = numbers[0], day = numbers[1], year = numbers[2];
            break;
        case DateOrder::DayMonthYear:
            day = numbers[0], month = numbers[1], year = numbers[2];
            break;
        case DateOrder::YearMonthDay:
            year = numbers[0], month = numbers[1], day = numbers[2];
            break;
        }
        if (year < 100)
            year += today.year() / 100 * 100;
    }
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > QDate(year, month, 1).daysInMonth())
        return std::nullopt;
    return QDate(year, month, day);
}

QString DateText::format(QDate date, const QString &format)
{
    QStringList groups;
    for (const QString &group : format.split(QLatin1Char('/'))) {
        const QChar letter = group.isEmpty() ? QChar() : group[0].toLower();
        int value = 0;
        int width = 2;
        if (letter == QLatin1Char('y')) {
            width = group.size() >= 4 ? 4 : 2;
            value = width == 4 ? date.year() : date.year() % 100;
        } else if (letter == QLatin1Char('m')) {
            value = date.month();
        } else {
            value = date.day();
        }
        groups << QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
    }
    return groups.join(QLatin1Char('/'));
}

} // namespace zendrova
