#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace zendrova {

// Picks or names a dBASE table of the exchange folder: the folder's tables
// are listed, and the name is typed or taken from the list.
class TSelectFileDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kExportHelp = 26;
    static constexpr int kImportHelp = 25;

    TSelectFileDlg(const QString &prompt, const QString &folder, QWidget *parent = nullptr);

    QString fileName() const;
    // Nothing typed or picked when the user cancels.
    static QString ask(const QString &prompt, const QString &folder, QWidget *parent);

    QLineEdit *Edit1;
    QListWidget *FileListBox1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *BitBtn1;

private:
    void BitBtn1Click();
};

} // namespace zendrova
