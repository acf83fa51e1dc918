#pragma once

#include <QObject>

class QLineEdit;

namespace zendrova {

// Lets a number box take only digits, Backspace and Tab (and the decimal
// separator where decimals are allowed); other keys beep and are dropped.
class NumberKeyFilter : public QObject
{
public:
    NumberKeyFilter(QLineEdit *box, bool decimals);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_decimals;
};

} // namespace zendrova
