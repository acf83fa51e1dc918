#pragma once

#include "store/FindSearch.h"

#include <QDialog>
#include <QList>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zendrova {

class CaptionList;
class RecordStore;

// The Search window: modeless, above the main window, one at a time. It runs
// the search of FindSearch and tells the main window through its hooks.
class TFindDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpContext = 21;
    static constexpr int kMaxTextLength = 128;

    TFindDlg(RecordStore &store, const CaptionList &captions, FindSettings &settings,
        QWidget *mainWindow);
    ~TFindDlg() override;

    FindSearch &search() { return m_search; }
    // After the sort changed a match no longer leads anywhere.
    void disableContinuing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void placeBesideMainWindow(QWidget *mainWindow);
    void fieldChosen(int index);
    void find();
    void findAgain(bool forward);
    // All controls but Stop are disabled while a search runs.
    void beginSearch();
    void showCounter(bool matched);
    void endSearch();
    std::optional<int> chosenPosition() const;
    void saveSettings();

    RecordStore &m_store;
    FindSettings &m_settings;
    FindSearch m_search;
    QList<int> m_fieldPositions; // of ComboBox1's items after ALL FIELDS
    QComboBox *m_fields = nullptr;
    QComboBox *m_text = nullptr;
    QRadioButton *m_fromBeginning = nullptr;
    QRadioButton *m_fromEnd = nullptr;
    QPushButton *m_find = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_previous = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_close = nullptr;
    QCheckBox *m_skipMemos = nullptr;
    QCheckBox *m_nonStop = nullptr;
    QLabel *m_counter = nullptr;
    QList<QWidget *> m_enabledBeforeSearch;
    bool m_searching = false;
    bool m_closeAfterSearch = false;
};

} // namespace zendrova
