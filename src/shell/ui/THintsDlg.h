#pragma once

#include "shell/TipsBook.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace zendrova {

class AppState;

// "Tips": one tip of "hints.txt" in the program folder, paged with Previous
// and Next. However it closes, its box sets whether tips show at start-up.
class THintsDlg : public QDialog
{
    Q_OBJECT
public:
    THintsDlg(AppState &state, const QString &tipsPath, QWidget *parent = nullptr);

    // The tips file beside the program.
    static QString tipsPathOf(const AppState &state);
    static void run(AppState &state, QWidget *parent);

    // The tip on show (tests start from a known tip).
    void showTip(int k);
    void done(int result) override;

private:
    void showCurrent();

    AppState &m_state;
    TipsBook m_book;
    QPlainTextEdit *m_memo;
    QPushButton *m_previous;
    QPushButton *m_next;
    QCheckBox *m_doNotDisplay;
};

} // namespace zendrova
