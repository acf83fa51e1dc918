#pragma once

#include "editors/Calculator.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zendrova {

// The pocket calculator of the currency field. It has no display of its own:
// every key writes the calculator's display into the field's text.
class TCalcDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TCalcDlg(QLineEdit *editor);

    const Calculator &calculator() const { return m_calculator; }
    void clear() { press(QLatin1Char('C')); }
    // One key as the buttons and the keyboard send it.
    void press(QChar key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *addKey(const char *name, const QString &caption, const QString &hint, QChar key,
                        int column, int row);

    QLineEdit *m_editor;
    Calculator m_calculator;
    QPushButton *m_ok = nullptr;
};

} // namespace zendrova
