#include "mainwin/ui/TForm3.h"
#include "output/ReportFiles.h"
#include "output/TLabelRec.h"
#include "output/TReportRec.h"

#include "common/AppState.h"
#include "common/ColorSchemeFile.h"
#include "common/FontConversion.h"
#include "mainwin/MainLayout.h"
#include "mainwin/CopyBuffer.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/RecordTemplates.h"
#include "query/FilterStorage.h"
#include "mainwin/ui/CardWidgetValues.h"
#include "common/Interaction.h"
#include "mainwin/ui/CardMenu.h"
#include "mainwin/ui/LetterColumn.h"
#include "mainwin/ui/MainMenus.h"
#include "mainwin/ui/MainSplitter.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordCardBar.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "query/TFilterTemplateList.h"
#include "store/ui/TFindDlg.h"
#include "store/ui/TSortButton.h"
#include "mainwin/ui/SpeedBars.h"
#include "store/RecordStore.h"

#include <QApplication>
#include <QAbstractButton>
#include <QCloseEvent>
#include <QPushButton>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace zendrova {

namespace {
constexpr int kStartWidth = 800;
constexpr int kStartHeight = 600;
constexpr int kDesignCardPageWidth = 320;
constexpr int kSortButtonHelpContext = 103;
constexpr int kRecordButtonHelpContext = 105;
} // namespace

const char *const TForm3::kHelpContextProperty = "helpContext";

TForm3::TForm3(AppState &state, RecordStore &store, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_store(store)
    , m_model(state, store)
    , m_letters(state, store)
    , m_cardRelease(cardReleaseSteps())
    , m_findHooks(m_letters, m_cardRelease, findWindow())
{
    setObjectName(QStringLiteral("Form3"));
    setMinimumSize(MainLayout::kMinimumWindowSize);
    m_state.colorScheme = ColorSchemeFile::read(m_state.databaseFolder).value_or(ColorScheme {});
    m_cardPageWidth = kDesignCardPageWidth;
    buildParts();
    connectParts();
    setProperty(kHelpContextProperty, kWindowHelpContext);
    m_listPage->sortButton()->setProperty(kHelpContextProperty, kSortButtonHelpContext);
    m_listPage->rowMenu()->setProperty(kHelpContextProperty, kRecordButtonHelpContext);

    connect(m_listPage->header(), &TOrvanHeader::OnHChange, this, &TForm3::OrvanHeader1HChange);
    m_listPage->header()->loadHeader(m_state.userFolder, m_state.captions);

    store.createOpenTables();
    m_filter.setDateFormat(m_state.userOptions.filterDateFormat);
    m_filter.attach(store.recordTable());
    m_filterTemplates = std::make_unique<TFilterTemplateList>(m_filter);
    m_filterTemplates->loadList(m_state.userFolder);
    m_report = std::make_unique<TReportRec>();
    ReportFiles::loadCurrentQuietly(m_state.userFolder, *m_report);
    m_listPage->sortButton()->filterTemplates = m_filterTemplates.get();
    FilterStorage::connect(store, m_filter, m_state);
    placeAtStart();
    openDatabase();
    m_appliedMode = -1;
    applyInterfaceOptions();
    applyColors();
    if (const auto saved = m_model.savedPlacement())
        applyPlacement(*saved);
    m_busy = false;
    applyFonts();
    relayout();
    if (m_opened) {
        startRecordCycle();
        startRecordList();
        startRecordTemplates();
    }
    // The window sees every key before its controls do.
    qApp->installEventFilter(this);
}

TForm3::~TForm3()
{
    qApp->removeEventFilter(this);
    emit destroying();
}

void TForm3::buildParts()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    m_menus = new MainMenus(m_commands, m_state.userOptions, this);
    setMenuBar(m_menus->menuBar());
    m_speedBars = new SpeedBars(m_commands, m_client);
    m_listPage = new RecordListPage(m_client);
    m_letterColumn = new LetterColumn(m_client);
    m_card = new RecordCard(m_state, m_client);
    m_splitter = new MainSplitter(m_client);
    m_card->selectPart(1);
}

void TForm3::connectParts()
{
    connect(m_menus, &MainMenus::commandChosen, this,
        [this](MainCommand command) { runCommand({ command }); });
    connect(m_menus, &MainMenus::interfaceChosen, this,
        [this](InterfaceChoice choice) { interfaceChosen(choice); });
    connect(m_speedBars, &SpeedBars::commandChosen, this,
        [this](MainCommand command) { runCommand({ command }); });
    connect(m_listPage, &RecordListPage::command, this,
        [this](int command) { runCommand({ MainCommand(command) }); });
    connect(m_card, &RecordCard::commandRequested, this,
        [this](MainCommand command) { runCommand({ command }); });
    connect(m_splitter, &MainSplitter::released, this, &TForm3::splitterReleased);
    connect(m_letterColumn, &LetterColumn::letterClicked, this, &TForm3::letterClicked);
    connect(m_letterColumn, &LetterColumn::enableRequested, this,
        [this] { chooseLetterTabs(InterfaceChoice::LetterTabsEnabled); });
    connect(m_letterColumn, &LetterColumn::disableRequested, this,
        [this] { chooseLetterTabs(InterfaceChoice::LetterTabsDisabled); });
    m_letters.refreshTab = [this](char letter) {
        m_letterColumn->setHoldsRecords(letter, m_letters.counts().holdsRecords(letter));
    };
    connectSortButton();
    connectAppearance();

    m_cardMenu = new CardMenu(m_commands, this);
    connect(m_cardMenu, &CardMenu::commandChosen, this,
        [this](MainCommand command) { runCommand({ command }); });
    connect(m_cardMenu, &CardMenu::helpRequested, this,
        [] { Interaction::current().showHelp(CardMenu::kHelpContext); });
    m_card->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_card, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { m_cardMenu->popup(m_card->mapToGlobal(at)); });

    for (QAbstractButton *button : m_listPage->navigationButtons())
        m_commandButtons.append(button);
    for (const MainCommand command : { MainCommand::PrintRecord, MainCommand::DeleteRecord,
             MainCommand::CopyRecord, MainCommand::PasteRecord, MainCommand::UndoRecord,
             MainCommand::PreviousRecord, MainCommand::NextRecord, MainCommand::Synchronise }) {
        if (QAbstractButton *button = m_card->recordBar()->button(command)) {
            button->setProperty(kMainCommandProperty, int(command));
            m_commandButtons.append(button);
        }
    }
    connect(&m_commands, &CommandTable::availabilityChanged, this, &TForm3::showCommandStates);
    showCommandStates();
}

void TForm3::placeAtStart()
{
    resize(kStartWidth, kStartHeight);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int right = screen ? screen->availableGeometry().right() + 1 : kStartWidth;
    move(right - frameGeometry().width(), 1);
}

void TForm3::applyPlacement(const WindowPlacement &placement)
{
    move(placement.left, placement.top);
    resize(placement.width, placement.height);
    m_cardPageWidth = std::max(placement.cardPageWidth, MainLayout::kMinimumCardPageWidth);
}

WindowPlacement TForm3::placement() const
{
    return { y(), x(), width(), height(), m_cardPageWidth };
}

void TForm3::writeFiles()
{
    m_model.writeFiles(placement());
    m_listPage->header()->saveHeader(m_state.userFolder);
    m_filterTemplates->saveList(m_state.userFolder);
    if (m_opened)
        FilterStorage::save(m_filter, m_state);
}

void TForm3::openDatabase()
{
    m_opened = m_model.openCurrentDatabase();
    if (!m_opened) {
        // Posted, so whoever creates the window sees it first and the close
        // ends the run through the usual shutdown.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    setWindowTitle(m_model.caption());
    resetLetterTabs();
    showSort();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    if (m_opened) {
        if (beforeClose)
            beforeClose();
        if (!mayLeaveRecord()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void TForm3::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // The program goes to the task bar as a whole, not this window alone.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != this && window->isVisible() && !window->isMinimized())
                window->showMinimized();
        }
    }
}

void TForm3::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_state.userOptions.stayOnTop && !(windowFlags() & Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }
    if (!m_shownOnce) {
        m_shownOnce = true;
        applyCaptions();
        redrawList();
    }
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // Below the floor the window is raised at once.
    const QSize raised = MainLayout::raisedToMinimum(size());
    if (!m_busy && raised != size())
        resize(raised);
    else
        relayout();
}

} // namespace zendrova
