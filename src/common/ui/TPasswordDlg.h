#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zendrova {

// "Password Dialog": one masked password entry under a label that says what
// is asked for.
class TPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 27;

    explicit TPasswordDlg(const QString &label, QWidget *parent = nullptr);

    // Runs the dialog: the typed text, nothing on Cancel.
    static std::optional<QString> ask(const QString &label, QWidget *parent);

    QLabel *Label1;
    QLineEdit *Password;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *BitBtn1;
};

} // namespace zendrova
