#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zendrova {

// "Edit Database Information": a database's name and description, with its
// file name shown read-only; "Create New Database" when there is no file yet.
class TEditDbDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 81;
    static constexpr int kMaxDescriptionLength = 250;

    TEditDbDlg(const QString &name, const QString &description, const QString &fileName,
        QWidget *parent = nullptr);

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;
};

} // namespace zendrova
