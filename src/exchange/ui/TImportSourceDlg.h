#pragma once

#include <QDialog>

#include <optional>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace zendrova {

// Asks whether records go to (or come from) a text file or a dBASE table.
class TImportSourceDlg : public QDialog
{
    Q_OBJECT

public:
    enum Kind { TextFile = 0, DbfFile = 1 };

    TImportSourceDlg(bool exporting, QWidget *parent = nullptr);

    Kind kind() const;
    // Nothing when the user cancels.
    static std::optional<Kind> ask(bool exporting, QWidget *parent);

    QGroupBox *RadioGroup1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

private:
    QButtonGroup *m_choice;
};

} // namespace zendrova
