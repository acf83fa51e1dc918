#include "mainwin/WindowFindHooks.h"

#include "mainwin/CardRelease.h"
#include "mainwin/CycleLetterTabs.h"
#include "store/FindSearch.h"

#include <utility>

namespace zendrova {

namespace {
constexpr char kFirstLetter = 'A';
constexpr char kLastLetter = 'Z';
} // namespace

WindowFindHooks::WindowFindHooks(CycleLetterTabs &letters, CardRelease &card, Window window)
    : m_letters(letters)
    , m_card(card)
    , m_window(std::move(window))
{ }

void WindowFindHooks::attach(FindHooks &hooks)
{
    hooks.beforeNonStop = [this] { return beforeNonStop(); };
    hooks.afterNonStop = [this] { afterNonStop(); };
    hooks.beforeStep = [this](bool forward) { return beforeStep(forward); };
    hooks.beforeContinue = [this] { return beforeContinue(); };
    hooks.atEnd = [this](bool forward) { return atEnd(forward); };
    hooks.onMatch = [this](int position, int field, std::optional<MemoMatch> memo) {
        onMatch(position, field, memo);
    };
    hooks.onNoMatch = [this] { onNoMatch(); };
}

void WindowFindHooks::call(const std::function<void()> &step) const
{
    if (step)
        step();
}

void WindowFindHooks::setWorking(bool working) const
{
    if (m_window.setWorking)
        m_window.setWorking(working);
}

bool WindowFindHooks::beforeNonStop()
{
    // Every record gets its mark stored: the card must not hold one of them.
    if (!m_card.release())
        return false;
    setWorking(true);
    if (m_window.allowListRedraw)
        m_window.allowListRedraw(false);
    return true;
}

void WindowFindHooks::afterNonStop()
{
    if (!m_card.released())
        return;
    if (m_window.allowListRedraw)
        m_window.allowListRedraw(true);
    setWorking(false);
    m_card.finish(m_window.showMarkedRecords);
}

bool WindowFindHooks::beforeStep(bool forward)
{
    if (m_window.mayLeaveRecord && !m_window.mayLeaveRecord())
        return false;
    // Until the first match, a search that finds nothing returns to this letter.
    m_matchLetter = m_letters.inUse() ? m_letters.currentLetter() : 0;
    m_fromStart = true;
    if (m_letters.inUse()) {
        m_letters.selectLetter(forward ? kFirstLetter : kLastLetter);
        call(m_window.showListStart);
    }
    setWorking(true);
    return true;
}

bool WindowFindHooks::beforeContinue()
{
    m_fromStart = false;
    putBackMatchLetter();
    setWorking(true);
    return true;
}

bool WindowFindHooks::atEnd(bool forward)
{
    if (!m_letters.inUse())
        return true;
    const int step = forward ? 1 : -1;
    for (char letter = char(m_letters.currentLetter() + step);
         letter >= kFirstLetter && letter <= kLastLetter; letter = char(letter + step)) {
        if (m_letters.holdsRecords(letter)) {
            m_letters.selectLetter(letter);
            call(m_window.showLetters);
            return false;
        }
    }
    return true;
}

void WindowFindHooks::onMatch(int listPosition, int fieldPosition, std::optional<MemoMatch> memo)
{
    setWorking(false);
    m_matchLetter = m_letters.inUse() ? m_letters.currentLetter() : 0;
    call(m_window.showLetters);
    if (m_window.showMatch)
        m_window.showMatch(listPosition, fieldPosition, memo);
}

void WindowFindHooks::onNoMatch()
{
    putBackMatchLetter();
    // The rows take the focus when redrawn: the window must take input first.
    setWorking(false);
    if (!m_letters.inUse())
        return;
    // The scan ranged the list on other letters while the rows stayed as they
    // were: the rows follow the letter put back. A search from the start had
    // put the card on the list's first record; it does so again here, so the
    // card's record is one of the rows.
    call(m_fromStart ? m_window.showListStart : m_window.redrawList);
}

bool WindowFindHooks::putBackMatchLetter()
{
    if (!m_matchLetter || !m_letters.inUse() || m_letters.currentLetter() == m_matchLetter)
        return false;
    m_letters.selectLetter(m_matchLetter);
    call(m_window.showLetters);
    return true;
}

} // namespace zendrova
