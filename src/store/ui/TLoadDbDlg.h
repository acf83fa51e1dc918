#pragma once

#include "store/LoadDatabase.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace zendrova {

// "Load Database": the databases of the private or the public folder, to
// load, describe, create or delete. Accepted, it names the table to load;
// cancelled, the database folder is the one it was.
class TLoadDbDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 81;

    TLoadDbDlg(AppState &state, RecordStore &store, QWidget *parent = nullptr);

    // The table chosen with Load.
    const QString &chosenFile() const { return m_chosen; }
    const LoadDatabase &model() const { return m_model; }
    void done(int result) override;

    QGroupBox *RadioGroup1;
    QListWidget *ListBox1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;
    QPushButton *Edit_Btn;
    QPushButton *New_Btn;
    QPushButton *Delete_Btn;

private:
    void RadioGroup1Click(bool publicFolder);
    void OKBtnClick();
    void Edit_BtnClick();
    void New_BtnClick();
    void Delete_BtnClick();
    void fillList();
    void showButtonStates();

    LoadDatabase m_model;
    QButtonGroup *m_folderChoice;
    QString m_chosen;
    bool m_finished = false;
};

} // namespace zendrova
