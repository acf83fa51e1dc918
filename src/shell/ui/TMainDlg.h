#pragma once

#include <QWidget>

namespace zendrova {

// The owner window of the run: never seen and never enabled. Closing it ends
// the program, after the main window has written its files.
class TMainDlg : public QWidget
{
    Q_OBJECT

public:
    explicit TMainDlg(QWidget *parent = nullptr);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace zendrova
