#pragma once

#include "exchange/ExchangeSettings.h"
#include "exchange/FieldChooser.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zendrova {

class FieldModel;

// The options of a text export or import: which fields in which order, the
// separator and the delimiter, and whether the first line holds the names.
class TExpImpDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kExportHelp = 26;
    static constexpr int kImportHelp = 25;

    TExpImpDlg(bool exporting, const QStringList &captions, const FieldModel &fields,
        QWidget *parent = nullptr);

    // As the dialog stood when it closed.
    const ExchangeSettings &settings() const { return m_settings; }
    // Starts with these choices (the second showing on an import with names).
    void preset(const ExchangeSettings &settings);

    QListWidget *SrcList;
    QListWidget *DstList;
    QPushButton *IncludeBtn;
    QPushButton *IncAllBtn;
    QPushButton *ExcludeBtn;
    QPushButton *ExcAllBtn;
    QPushButton *MoveUpBtn;
    QPushButton *MoveDownBtn;
    QLineEdit *OtherSepEdit;
    QLineEdit *OtherDelimEdit;
    QCheckBox *NamesBox;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;

protected:
    void done(int result) override;

private:
    QWidget *buildChooser();
    QWidget *buildFormat();
    void change(void (FieldChooser::*step)());
    void refresh();
    void SetButtons();
    void FormClose();

    FieldChooser m_chooser;
    bool m_exporting;
    ExchangeSettings m_settings;
    QButtonGroup *m_separator = nullptr;
    QButtonGroup *m_delimiter = nullptr;
};

} // namespace zendrova
