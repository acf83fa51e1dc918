#pragma once

#include <QChar>
#include <QString>

namespace zendrova {

// The pocket calculator behind the currency field's button: left-to-right
// operators, no precedence, values rounded to 6-byte reals after each step.
class Calculator
{
public:
    enum class Status { Ready, Entering, Error };
    static constexpr int kDisplayLength = 15;
    static constexpr char16_t kEnter = 13;
    static constexpr char16_t kBackspace = 8;

    // decimalPoint: the character the display shows for the point.
    explicit Calculator(QChar decimalPoint = QLatin1Char('.'));

    // One key: C, 0-9, ".", Backspace (8), "_" (sign), * + - / = % or Enter (13).
    // Letters are taken upper-cased; other characters are ignored.
    void key(QChar c);
    void clear();

    Status status() const { return m_status; }
    const QString &display() const { return m_display; }
    bool negative() const { return m_negative; }
    // What the editor shows: the display with "-" in front when the sign is on.
    QString text() const;
    long double displayValue() const;

private:
    void startNumber();
    void operatorKey(QChar op);
    void showResult(long double value);
    void setError();

    QChar m_point;
    Status m_status = Status::Ready;
    QString m_display;
    bool m_negative = false;
    QChar m_pending;
    long double m_operand = 0.0L;
};

} // namespace zendrova
