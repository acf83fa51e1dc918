#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace zendrova::print {

// "Report Status": the engine's status text and a Cancel button that stops
// the job after the page in progress. A completed job closes it; after a
// cancelled one it says so and waits for OK.
class TRPStatusForm : public QDialog
{
    Q_OBJECT

public:
    TRPStatusForm(const QString &title, std::function<void()> cancel, QWidget *parent = nullptr);
    void setStatus(const QString &text);
    void finished(bool cancelled);
    QLabel *StatusLabel() const { return m_label; }
    QPushButton *CancelButton() const { return m_button; }

private:
    void buttonClicked();
    std::function<void()> m_cancel;
    QLabel *m_label;
    QPushButton *m_button;
    bool m_done = false;
};

} // namespace zendrova::print
