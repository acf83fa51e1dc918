#pragma once

#include "mainwin/CardRelease.h"
#include "mainwin/ColorDialogModel.h"
#include "mainwin/CommandTable.h"
#include "mainwin/InterfaceChoices.h"
#include "mainwin/LetterColumnModel.h"
#include "mainwin/MainCommand.h"
#include "mainwin/MainWindowModel.h"
#include "mainwin/RecordListModel.h"
#include "mainwin/WindowFindHooks.h"
#include "query/TFilterList.h"
#include "store/FindSearch.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAbstractButton;
class QMenu;

namespace zendrova {

class AppState;
struct MaintenanceResults;
class SummaryDialogModel;
class CaptionMenu;
class CardMenu;
class CopyBuffer;
struct CycleCommandStates;
class RecordTemplateMenus;
class RecordTemplates;
class CardWidgetValues;
class RecordCycle;
class RecordListModel;
class TFilterTemplateList;
class TFindDlg;
class LetterColumn;
class MainMenus;
class MainSplitter;
class RecordCard;
class RecordListPage;
class RecordStore;
class SpeedBars;
class TLabelRec;
class TReportRec;
struct MainLayoutInput;

// The main window: record list on the left, letter column, record card on
// the right, speed bars and main menu. It coordinates its parts; each part
// keeps its own widgets and rules.
class TForm3 : public QMainWindow
{
    Q_OBJECT

public:
    // The help context of a widget, looked up from the focused one outwards.
    static const char *const kHelpContextProperty;
    static constexpr int kWindowHelpContext = 1;

    // Creates the store's tables and opens the current database; when that
    // fails the window closes itself once the event loop runs.
    TForm3(AppState &state, RecordStore &store, QWidget *parent = nullptr);
    ~TForm3() override;

    bool databaseOpened() const { return m_opened; }
    int cardPageWidth() const { return m_cardPageWidth; }
    WindowPlacement placement() const;
    // The placement file and the current database's sort file.
    void writeFiles();

    // Set by whoever composes the program.
    std::function<void()> showAboutBox;
    // Before the window closes (the exit reminder); may be left empty.
    std::function<void()> beforeClose;
    // The maintenance window shows its marks when maintenance is due.
    std::function<bool()> maintenanceDue;
    // The reminder dates of a backup and of a rebuild or pack done there.
    std::function<void()> backupDone;
    std::function<void()> rebuildDone;
    // The Options dialog; true when it changed the colours.
    std::function<bool()> showOptions;
    // The Tips window.
    std::function<void()> showTips;
    // Prints a summary through the page engine; the Summary window's Print
    // does nothing while it is empty.
    std::function<void(const SummaryDialogModel &)> printSummary;
    // The record on the card; nothing while no database is open.
    RecordCycle *recordCycle() const { return m_cycle.get(); }

    CommandTable &commands() { return m_commands; }
    void runCommand(MainCommandCall call);

    void relayout();
    // Menus-and-speed-bars mode, hints, positions, captions and date formats.
    void applyInterfaceOptions();
    void applyColors();
    void applyFonts();
    void applyCaptions();
    void resetLetterTabs();
    // After the Options dialog: every setting it may have changed is shown.
    void applyOptions(bool colorsChanged);
    // Re-marks every record with the filter, with the progress window, and
    // shows the records that pass.
    void applyFilter();
    static QString filterNotAppliedText();
    // A find's match: the record at the list position on the card, the
    // matched control (0-based) highlighted, in a memo the text selected.
    void showFindMatch(int listPosition, int control, int memoOffset = 0, int memoLength = 0);
    TFilterList &filter() { return m_filter; }
    // The Filter command and the sort button's filter part.
    void openFilterDialog();
    // The Find command: the one Search window, made when first asked for.
    void openFindDialog();
    TFindDlg *findDialog() const;

    // The current report definition: read from "rep.dat" when the window is
    // made, written back at exit.
    void writeReportDefinition();
    // Lifts the letter restriction for a report run and puts it back after.
    void beforePrint();
    void afterPrint();

signals:
    // While the window is being destroyed.
    void destroying();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Creation.
    void buildParts();
    void connectParts();
    void connectSortButton();
    void connectAppearance();
    void placeAtStart();
    void applyPlacement(const WindowPlacement &placement);
    void openDatabase();

    // Layout.
    QSize clientSize() const;
    MainLayoutInput layoutInput() const;
    void applyMode(int mode);
    void splitterReleased(int centreX);

    // Printing: the chooser, then the report or the label dialog.
    void openPrint(bool oneRecord);
    void openReport(bool oneRecord);
    void openLabels(bool oneRecord);
    void printCardRecord();
    void printListRecord(int row);

    // The record cycle.
    void startRecordCycle();
    void showCardState();
    void newRecord();
    // What the Search window's hooks ask of the window.
    WindowFindHooks::Window findWindow();
    void setWorking(bool working);
    void showFound(int position, int field, std::optional<MemoMatch> memo);

    // Record templates and the copy buffer.
    void startRecordTemplates();
    void showTemplateStates(const CycleCommandStates &states);
    void copyRecord();
    void pasteRecord();
    void copyRow(int row);
    void pasteRow(int row);
    void saveRecordTemplate();
    void replaceWithTemplate(const QString &name);
    void fillBufferView(QMenu *menu);
    void prepareCardMenu();
    void prepareRowMenuBuffer();

    // The record list.
    void startRecordList();
    QList<ListColumn> listColumns() const;
    // The header's sections changed: the rows take its columns.
    void OrvanHeader1HChange();
    void redrawList();
    void pageList(MainCommand command);
    void rowClicked(int row);
    void prepareRowMenu(int row);
    // Around operations that may need the record table for themselves.
    CardRelease::Steps cardReleaseSteps();
    bool releaseCard();
    void reopenCard();

    // Commands.
    static bool alwaysAvailable(MainCommand command);
    // The navigation and record bar buttons follow the commands' availability.
    void showCommandStates();
    bool mayLeaveRecord();
    bool handleKey(QKeyEvent *event);
    void showHelpForFocus();
    void sortByDialog();
    void loadDatabase();
    void applySortChange();
    void sortChanged();
    void showSort();
    void chooseFilterScope(int scope);
    void showLetters();
    void letterClicked(char letter);
    // The letter tabs on or off, from either popup: the sort is applied again.
    void chooseLetterTabs(InterfaceChoice choice);
    void popupInterfaceMenu();
    void popupCardMenu();
    void popupSortMenu(int which);
    void interfaceChosen(InterfaceChoice choice);

    // Appearance.
    void chooseColors(ColorDialogUse use);

    // Maintenance: the dialog while the card has let go of the table, then
    // what it reports.
    void openMaintenance();

    // Export and import, with the card's value mapping and the letter tabs.
    void exportRecords();
    void importRecords();
    void afterMaintenance(const MaintenanceResults &results);

    // The summary of the current database by a chosen field.
    void openSummary();

    AppState &m_state;
    RecordStore &m_store;
    MainWindowModel m_model;
    LetterColumnModel m_letters;
    CommandTable m_commands;
    // The filter of the current database; every record stored gets its mark.
    TFilterList m_filter;
    std::unique_ptr<TFilterTemplateList> m_filterTemplates;
    // The card lets go of the record table around a new sort or filter.
    CardRelease m_cardRelease;
    FindSettings m_findSettings;
    QPointer<TFindDlg> m_findDialog;
    WindowFindHooks m_findHooks;

    QWidget *m_client = nullptr;
    SpeedBars *m_speedBars = nullptr;
    MainMenus *m_menus = nullptr;
    RecordListPage *m_listPage = nullptr;
    LetterColumn *m_letterColumn = nullptr;
    MainSplitter *m_splitter = nullptr;
    RecordCard *m_card = nullptr;
    CaptionMenu *m_captionMenu = nullptr;
    CardMenu *m_cardMenu = nullptr;
    QList<QAbstractButton *> m_commandButtons;
    std::unique_ptr<CardWidgetValues> m_values;
    std::unique_ptr<RecordCycle> m_cycle;
    std::unique_ptr<TReportRec> m_report;
    std::unique_ptr<TLabelRec> m_labels; // made when first printed
    std::unique_ptr<RecordListModel> m_list;
    std::unique_ptr<CopyBuffer> m_copyBuffer;
    std::unique_ptr<RecordTemplates> m_recordTemplates;
    RecordTemplateMenus *m_templateMenus = nullptr;
    // Off while a non-stop search walks the table.
    bool m_listRedrawAllowed = true;

    bool m_opened = false;
    bool m_busy = true;
    bool m_shownOnce = false;
    bool m_hintsShown = true;
    int m_cardPageWidth = MainWindowModel::kMinimumCardPageWidth;
    // -1 until the first mode is applied.
    int m_appliedMode = -1;
};

} // namespace zendrova
