// What the main window's menus, speed bars, keys and popups do.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/PasswordChange.h"
#include "common/ui/TPasswordDlg.h"
#include "mainwin/MainKeyboard.h"
#include "mainwin/RecordCycle.h"
#include "mainwin/ui/LetterColumn.h"
#include "mainwin/ui/MainMenus.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordCardBar.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/TOrvanHeader.h"
#include "store/RecordStore.h"
#include "store/RecordTableSort.h"
#include "store/SortChange.h"
#include "store/SortMenus.h"
#include "store/ui/TFindDlg.h"
#include "store/ui/TSortButton.h"
#include "store/ui/TSortDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace zendrova {

namespace {
constexpr QPoint kInterfaceMenuOffset { 50, 100 };
constexpr int kSortMenuCount = 3;

bool enabledButton(const RecordCardBar *bar, MainCommand command)
{
    const QPushButton *button = bar->button(command);
    return button && button->isEnabled();
}
} // namespace

// Keys that move about the window itself, always at hand.
bool TForm3::alwaysAvailable(MainCommand command)
{
    return command >= MainCommand::SelectCardPart;
}

void TForm3::showCommandStates()
{
    for (QAbstractButton *button : m_commandButtons) {
        const auto command = MainCommand(button->property(kMainCommandProperty).toInt());
        button->setEnabled(m_commands.available(command));
    }
}

void TForm3::runCommand(MainCommandCall call)
{
    const MainCommand command = call.command;
    if (!alwaysAvailable(command) && !m_commands.available(command))
        return;
    if (CommandTable::leavesRecord(command) && !mayLeaveRecord())
        return;
    switch (command) {
    case MainCommand::Exit:
        close();
        break;
    case MainCommand::Sort:
        sortByDialog();
        break;
    case MainCommand::HelpContents:
        Interaction::current().showHelp(kWindowHelpContext);
        break;
    case MainCommand::About:
        if (showAboutBox)
            showAboutBox();
        break;
    case MainCommand::NewRecord:
        newRecord();
        break;
    case MainCommand::DeleteRecord:
        m_cycle->deleteRecord();
        break;
    case MainCommand::UndoRecord:
        m_cycle->undo();
        break;
    case MainCommand::PreviousRecord:
        m_cycle->previous();
        break;
    case MainCommand::NextRecord:
        m_cycle->next();
        break;
    case MainCommand::Filter:
        openFilterDialog();
        break;
    case MainCommand::Find:
        openFindDialog();
        break;
    case MainCommand::FirstPage:
    case MainCommand::PageUp:
    case MainCommand::PageDown:
    case MainCommand::LastPage:
        pageList(command);
        break;
    case MainCommand::Synchronise:
        m_cycle->synchronise(int(m_listPage->rows().size()));
        break;
    case MainCommand::SelectCardPart:
        m_card->selectPart(call.argument);
        break;
    case MainCommand::NextCardField:
    case MainCommand::PreviousCardField:
        m_card->focusNextField(command == MainCommand::PreviousCardField);
        break;
    case MainCommand::InterfaceMenu:
        popupInterfaceMenu();
        break;
    case MainCommand::CardMenu:
        popupCardMenu();
        break;
    case MainCommand::RecordButtonMenu:
        m_listPage->popupRowMenu();
        break;
    case MainCommand::PrimarySortMenu:
    case MainCommand::SecondarySortMenu:
    case MainCommand::FilterMenu:
        popupSortMenu(int(command) - int(MainCommand::PrimarySortMenu));
        break;
    case MainCommand::HeaderMenu:
        m_listPage->header()->popupMenuBelow();
        break;
    case MainCommand::Maintenance:
        openMaintenance();
        break;
    case MainCommand::Options:
        if (showOptions)
            applyOptions(showOptions());
        break;
    case MainCommand::Tips:
        if (showTips)
            showTips();
        break;
    case MainCommand::Summary:
        openSummary();
        break;
    case MainCommand::JumpToLetter:
        letterClicked(char(call.argument));
        break;
    case MainCommand::LoadDatabase:
        loadDatabase();
        break;
    case MainCommand::Export:
        exportRecords();
        break;
    case MainCommand::Import:
        importRecords();
        break;
    case MainCommand::CopyRecord:
        copyRecord();
        break;
    case MainCommand::PasteRecord:
        pasteRecord();
        break;
    case MainCommand::Print:
        openPrint(false);
        break;
    case MainCommand::PrintRecord:
        printCardRecord();
        break;
    case MainCommand::Password:
        PasswordChange(m_state, [this](const QString &label) {
            return TPasswordDlg::ask(label, this);
        }).run();
        break;
    // Their dialogs make these available as they arrive; until then they are
    // disabled. Every command is named here, so one added without a case
    // does not build.
    case MainCommand::None:
        break;
    }
}

void TForm3::showHelpForFocus()
{
    for (const QWidget *widget = QApplication::focusWidget(); widget;
         widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid()) {
            Interaction::current().showHelp(context.toInt());
            return;
        }
    }
    Interaction::current().showHelp(kWindowHelpContext);
}

bool TForm3::handleKey(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        showHelpForFocus();
        return true;
    }
    MainKeyContext context;
    context.cardFieldFocused = m_card->focusedControl() >= 0;
    context.letterTabsActive = m_letters.active() && !m_letters.buttonsDisabled();
    context.cardParts = m_card->partCount();
    const RecordCardBar *bar = m_card->recordBar();
    context.deleteEnabled = enabledButton(bar, MainCommand::DeleteRecord);
    context.copyEnabled = enabledButton(bar, MainCommand::CopyRecord);
    context.pasteEnabled = enabledButton(bar, MainCommand::PasteRecord);
    context.undoEnabled = enabledButton(bar, MainCommand::UndoRecord);
    const auto call = MainKeyboard::commandFor(event->key(), event->modifiers(), context);
    if (!call)
        return false;
    if (call->command != MainCommand::None)
        runCommand(*call);
    return true;
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Hidden hints stay hidden everywhere in the program.
        return !m_hintsShown;
    case QEvent::KeyPress:
        // Only keys meant for this window or one of its own controls.
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && widget->window() == this && isActiveWindow())
            return handleKey(static_cast<QKeyEvent *>(event));
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm3::event(QEvent *event)
{
    // The window's own keys (e.g. with no control focused) go the same way.
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::event(event);
}

void TForm3::popupInterfaceMenu()
{
    m_menus->refreshChecks();
    m_menus->interfaceMenu()->popup(geometry().topLeft() + kInterfaceMenuOffset);
}

void TForm3::popupSortMenu(int which)
{
    TSortButton *button = m_listPage->sortButton();
    const QPoint at
        = button->mapToGlobal(QPoint(button->width() * which / kSortMenuCount, button->height()));
    if (which == 0)
        button->popupPrimaryMenu(at);
    else if (which == 1)
        button->popupSecondaryMenu(at);
    else
        button->popupFilterMenu(at);
}

void TForm3::interfaceChosen(InterfaceChoice choice)
{
    if (choice == InterfaceChoice::Help) {
        Interaction::current().showHelp(InterfaceChoices::kHelpContext);
        return;
    }
    if (InterfaceChoices::item(choice).group == InterfaceGroup::LetterTabs) {
        chooseLetterTabs(choice);
        return;
    }
    const InterfaceRefreshes refresh = InterfaceChoices::choose(choice, m_state.userOptions);
    if (refresh & (InterfaceRefresh::Mode | InterfaceRefresh::Positions | InterfaceRefresh::Hints))
        applyInterfaceOptions();
}

// ---- sort and letters --------------------------------------------------------

void TForm3::connectSortButton()
{
    TSortButton *button = m_listPage->sortButton();
    button->menuContext = [this] {
        return SortMenuContext { m_state.captions.captions(), m_store.fields(),
            m_store.sortOrder().descriptor.sort };
    };
    connect(button, &TSortButton::sort1MenuClick, this, [this](SortMenuChoice choice) {
        if (!mayLeaveRecord())
            return;
        SortChange::choosePrimary(m_store.sortOrder().descriptor, m_store.fields(), choice);
        applySortChange();
    });
    connect(button, &TSortButton::sort2MenuClick, this, [this](SortMenuChoice choice) {
        if (!mayLeaveRecord())
            return;
        SortChange::chooseSecondary(m_store.sortOrder().descriptor, m_store.fields(), choice);
        applySortChange();
    });
    connect(button, &TSortButton::sortByClick, this, [this] { runCommand({ MainCommand::Sort }); });
    connect(button, &TSortButton::filterClick, this,
        [this] { runCommand({ MainCommand::Filter }); });
    connect(button, &TSortButton::filterMenuClick, this, &TForm3::chooseFilterScope);
    connect(button, &TSortButton::quickFilter, this, [this] {
        if (mayLeaveRecord())
            applyFilter();
    });
}

void TForm3::sortByDialog()
{
    TSortDlg dialog(m_store.sortOrder().descriptor, m_state.captions.captions(), m_store.fields(),
        this);
    if (dialog.exec() == QDialog::Accepted)
        applySortChange();
}

void TForm3::applySortChange()
{
    // A new tag needs the table for this program alone: the card lets go.
    m_cardRelease.run([this] { m_store.sortOrder().applyChange(m_store.sortTarget()); });
}

void TForm3::chooseFilterScope(int scope)
{
    m_cardRelease.run([this, scope] {
        m_store.sortOrder().chooseFilterScope(m_store.sortTarget(), FilterScope(scope));
    });
}

void TForm3::sortChanged()
{
    // A match of the old order leads nowhere in the new one.
    if (m_findDialog)
        m_findDialog->disableContinuing();
    if (m_list)
        m_list->setTop(0);
    resetLetterTabs();
    showSort();
}

void TForm3::showSort()
{
    const SortOrder &order = m_store.sortOrder();
    m_listPage->sortButton()->showSort(
        order.descriptor.sort, m_state.captions.captions(), order.filterScope);
}

void TForm3::resetLetterTabs()
{
    m_letters.reset();
    showLetters();
}

void TForm3::showLetters()
{
    m_letterColumn->setLetterTabsOption(m_state.userOptions.letterTabs == 0);
    m_letterColumn->setCounts(m_letters.counts());
    m_letterColumn->setSelectedLetter(m_letters.currentLetter());
    m_letterColumn->setActive(!m_letters.buttonsDisabled());
}

void TForm3::letterClicked(char letter)
{
    if (m_letters.buttonsDisabled())
        return;
    m_letters.click(letter);
    if (m_list)
        m_list->setTop(0);
    showLetters();
    redrawList();
}

void TForm3::chooseLetterTabs(InterfaceChoice choice)
{
    // The option changes only once the card has let go of the table, so a
    // refused leave keeps it as it was.
    if (!InterfaceChoices::isCurrent(choice, m_state.userOptions)) {
        m_cardRelease.run([this, choice] {
            InterfaceChoices::choose(choice, m_state.userOptions);
            m_store.sortOrder().applySort(m_store.sortTarget());
        });
    }
    // The letter column's popup checked the item chosen: it shows the option.
    showLetters();
}

void TForm3::beforePrint()
{
    m_letters.liftRestriction();
}

void TForm3::afterPrint()
{
    m_letters.restoreRestriction();
}

} // namespace zendrova
