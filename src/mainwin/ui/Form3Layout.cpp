// The main window's geometry: where its parts go, the menus-and-speed-bars
// modes and the splitter.
#include "mainwin/ui/TForm3.h"

#include "common/AppState.h"
#include "mainwin/MainLayout.h"
#include "mainwin/ui/LetterColumn.h"
#include "mainwin/ui/MainMenus.h"
#include "mainwin/ui/MainSplitter.h"
#include "mainwin/ui/RecordCard.h"
#include "mainwin/ui/RecordListPage.h"
#include "mainwin/ui/SpeedBars.h"

#include <QApplication>
#include <QMenuBar>

namespace zendrova {

namespace {
constexpr int kLetterColumnWidth = 26;
} // namespace

MainLayoutInput TForm3::layoutInput() const
{
    MainLayoutInput input;
    input.client = clientSize();
    input.speedBarsShown = MainLayout::speedBarsShownIn(m_appliedMode);
    input.speedBarLocation = m_state.userOptions.speedBarLocation;
    input.letterColumnLocation = m_state.userOptions.letterTabsLocation;
    input.speedBarHeight = m_speedBars->barHeight();
    input.tabRowHeight = m_speedBars->tabRowHeight();
    input.letterColumnWidth = kLetterColumnWidth;
    input.cardPageWidth = m_cardPageWidth;
    return input;
}

QSize TForm3::clientSize() const
{
    // Worked out from the window, so it is right before the window's own
    // layout has placed the client area (a window not shown yet).
    const QMenuBar *menu = m_menus->menuBar();
    const int menuHeight = menu->isHidden() ? 0 : menu->sizeHint().height();
    return { width(), height() - menuHeight };
}

void TForm3::relayout()
{
    if (m_busy || !m_client)
        return;
    const MainLayoutResult parts = MainLayout::compute(layoutInput());
    if (parts.windowGrowth > 0) {
        // The list keeps its least width: the window grows instead.
        resize(width() + parts.windowGrowth, height());
        return;
    }
    m_cardPageWidth = parts.cardPageWidth;
    m_speedBars->setVisible(!parts.speedBar.isEmpty());
    m_speedBars->setGeometry(parts.speedBar.united(parts.tabRow));
    m_listPage->setGeometry(parts.recordList);
    m_letterColumn->setGeometry(parts.letterColumn);
    m_card->setGeometry(parts.cardPage);
    m_splitter->setGeometry(parts.splitter);
    m_splitter->raise();
}

void TForm3::splitterReleased(int centreX)
{
    m_cardPageWidth = MainLayout::cardWidthAfterSplitterRelease(layoutInput(), centreX);
    relayout();
}

void TForm3::applyMode(int mode)
{
    if (mode == m_appliedMode)
        return;
    const bool wasBusy = m_busy;
    m_busy = true;
    if (m_appliedMode >= 0) {
        const ModeHeights heights { m_speedBars->barHeight(), m_speedBars->tabRowHeight(),
            m_menus->menuBar()->sizeHint().height() };
        resize(width(), height() + MainLayout::heightChangeForMode(m_appliedMode, mode, heights));
    }
    if (MainLayout::speedBarsShownIn(mode) && !MainLayout::speedBarsShownIn(m_appliedMode))
        m_speedBars->selectPage(0);
    m_menus->menuBar()->setVisible(MainLayout::menuShownIn(mode));
    m_appliedMode = mode;
    m_busy = wasBusy;
}

void TForm3::applyInterfaceOptions()
{
    applyMode(m_state.userOptions.menusAndSpeedBars);
    // Hint messages 0 shows the hints of the whole program.
    m_hintsShown = m_state.userOptions.hintMessages == 0;
    m_card->applyDateFormats(m_state.dateFormats);
    applyCaptions();
    relayout();
}

} // namespace zendrova
