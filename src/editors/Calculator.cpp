#include "editors/Calculator.h"

#include "common/Real48.h"

#include <cstdio>
#include <cstdlib>

namespace zendrova {

namespace {
const QChar kEquals(QLatin1Char('='));
}

Calculator::Calculator(QChar decimalPoint)
    : m_point(decimalPoint)
{
    clear();
}

void Calculator::clear()
{
    m_status = Status::Ready;
    m_display = QStringLiteral("0");
    m_negative = false;
    m_pending = kEquals;
    m_operand = 0.0L;
}

QString Calculator::text() const
{
    return m_negative ? QLatin1Char('-') + m_display : m_display;
}

long double Calculator::displayValue() const
{
    if (m_status == Status::Error)
        return 0.0L;
    QString plain = m_display;
    plain.replace(m_point, QLatin1Char('.'));
    const long double value = std::strtold(plain.toLatin1().constData(), nullptr);
    return m_negative ? -value : value;
}

void Calculator::startNumber()
{
    if (m_status != Status::Ready)
        return;
    m_status = Status::Entering;
    m_display = QStringLiteral("0");
    m_negative = false;
}

void Calculator::key(QChar c)
{
    c = c.toUpper();
    if (c == QLatin1Char('C')) {
        clear();
        return;
    }
    if (m_status == Status::Error)
        return;
    if (c.isDigit() && c.unicode() < 128) {
        startNumber();
        if (m_display == QLatin1String("0"))
            m_display.clear();
        if (m_display.size() < kDisplayLength)
            m_display += c;
    } else if (c == m_point || c == QLatin1Char('.')) {
        startNumber();
        if (!m_display.contains(m_point) && m_display.size() < kDisplayLength)
            m_display += m_point;
    } else if (c == QChar(kBackspace)) {
        startNumber();
        if (m_display.size() <= 1)
            m_display = QStringLiteral("0");
        else
            m_display.chop(1);
    } else if (c == QLatin1Char('_')) {
        m_negative = !m_negative;
    } else if (QStringLiteral("*+-/=%").contains(c) || c == QChar(kEnter)) {
        operatorKey(c);
    }
}

void Calculator::operatorKey(QChar op)
{
    if (m_status == Status::Entering) {
        m_status = Status::Ready;
        long double v = displayValue();
        const char16_t pending = m_pending.unicode();
        if (op == QLatin1Char('%')) {
            if (pending == '+' || pending == '-')
                v = m_operand * v * 0.01L;
            else if (pending == '*' || pending == '/')
                v = v * 0.01L;
        }
        switch (pending) {
        case '*':
            showResult(m_operand * v);
            break;
        case '+':
            showResult(m_operand + v);
            break;
        case '-':
            showResult(m_operand - v);
            break;
        case '/':
            if (v == 0.0L)
                setError();
            else
                showResult(m_operand / v);
            break;
        default:
            break;
        }
        if (m_status == Status::Error)
            return;
    }
    m_pending = op;
    m_operand = toReal48(displayValue()).value_or(0.0L);
}

void Calculator::showResult(long double value)
{
    const std::optional<long double> stored = toReal48(value);
    if (!stored) {
        setError();
        return;
    }
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.10Lf", *stored);
    QString digits = QString::fromLatin1(buffer);
    m_negative = digits.startsWith(QLatin1Char('-'));
    if (m_negative)
        digits.remove(0, 1);
    if (digits.size() >= 27) {
        setError();
        return;
    }
    auto trim = [](QString &s) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    };
    trim(digits);
    // Anything this long has at most 15 places before the point, so cutting
    // drops only decimals beyond the real's precision.
    if (digits.size() > kDisplayLength) {
        digits.truncate(kDisplayLength);
        trim(digits);
    }
    if (digits.isEmpty())
        digits = QStringLiteral("0");
    if (digits == QLatin1String("0"))
        m_negative = false;
    digits.replace(QLatin1Char('.'), m_point);
    m_display = digits;
}

void Calculator::setError()
{
    m_status = Status::Error;
    m_display = QStringLiteral("Error");
    m_negative = false;
}

} // namespace zendrova
