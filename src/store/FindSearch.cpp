#include "store/FindSearch.h"

#include "common/Clock.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "store/FieldModel.h"
#include "store/MarkWalk.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"

namespace zendrova {

QString FindSearch::emptyTextText()
{
    return tr("You have to enter Text!");
}

QString FindSearch::notFoundText()
{
    return tr("Text Not Found!");
}

QString FindSearch::noRecordsFoundText()
{
    return tr("No Records Found!");
}

QString FindSearch::recordsFoundText(int count)
{
    return QString::number(count)
        + tr(" Record(s) Found!\rTo return later to All-Record-Display set Filter to All Records.");
}

QString FindSearch::searchStoppedText()
{
    return tr("The search stopped at a card that could not be marked.");
}

FindSearch::FindSearch(RecordStore &store)
    : m_store(store)
{ }

bool FindSearch::find(const QString &text, bool forward, bool nonStop, std::optional<int> single,
    FindSettings &settings)
{
    if (text.isEmpty()) {
        showMessage(MessageKind::Information, emptyTextText());
        return false;
    }
    settings.lastText = text;
    settings.history.removeAll(text);
    settings.history.prepend(text);
    m_text = SearchText(text, m_store.fields(), m_store.dateFormats(), Clock::today());
    m_skipMemos = settings.memosSkipped(!single);
    m_scan.emplace(single, m_store.recordTable().fieldModel().count() - 1);
    m_lastMatch.reset();
    m_stopped = false;
    m_sinceAlive.invalidate();
    if (nonStop) {
        runNonStop();
        return true;
    }
    if (hooks.beforeStep && !hooks.beforeStep(forward))
        return false;
    return stepSearch(forward, false);
}

bool FindSearch::findAgain(bool forward)
{
    if (!m_lastMatch || !m_scan)
        return false;
    m_stopped = false;
    m_sinceAlive.invalidate();
    return stepSearch(forward, true);
}

bool FindSearch::stepSearch(bool forward, bool continuing)
{
    const WaitCursor hourglass;
    if (continuing) {
        if (hooks.beforeContinue && !hooks.beforeContinue())
            return false;
        returnToLastMatch();
        if (!m_scan->stepField(forward))
            moveRecord(forward);
    } else {
        startAtEnd(forward);
    }
    std::optional<MemoMatch> memo;
    if (scan(forward, memo)) {
        m_lastMatch = LastMatch { m_store.recordTable().bookmark(), m_counter };
        if (hooks.onMatch)
            hooks.onMatch(m_counter, m_scan->position(), memo);
        return true;
    }
    if (hooks.onNoMatch)
        hooks.onNoMatch();
    if (!m_stopped)
        showMessage(MessageKind::Information, notFoundText());
    m_counter = 0;
    return false;
}

bool FindSearch::scan(bool forward, std::optional<MemoMatch> &memo)
{
    StoreTable &table = m_store.recordTable();
    for (;;) {
        keepWindowAlive(m_counter);
        if (m_stopped)
            return false;
        if (m_pastEdge) {
            // Letter tabs may go on in the next letter's range.
            if (hooks.atEnd && !hooks.atEnd(forward)) {
                startAtEnd(forward);
                continue;
            }
            return false;
        }
        const FindMatch::Result result = m_scan->test(table, m_text, m_skipMemos, forward);
        if (result.matched) {
            memo = result.memo;
            return true;
        }
        moveRecord(forward);
    }
}

void FindSearch::keepWindowAlive(int counter)
{
    if (!keepAlive || (m_sinceAlive.isValid() && m_sinceAlive.elapsed() < kKeepAliveMs))
        return;
    m_sinceAlive.start();
    keepAlive(counter);
}

void FindSearch::startAtEnd(bool forward)
{
    StoreTable &table = m_store.recordTable();
    if (forward) {
        table.first();
        m_counter = 0;
    } else {
        table.last();
        m_counter = table.recordCount() - 1;
    }
    m_pastEdge = table.bookmark() == 0; // no record to stand on
    m_scan->startRecord(forward);
}

void FindSearch::moveRecord(bool forward)
{
    StoreTable &table = m_store.recordTable();
    const bool moved = forward ? table.next() : table.prior();
    if (moved)
        m_counter += forward ? 1 : -1;
    m_pastEdge = !moved;
    m_scan->startRecord(forward);
}

void FindSearch::returnToLastMatch()
{
    StoreTable &table = m_store.recordTable();
    m_counter = m_lastMatch->counter;
    m_pastEdge = false;
    try {
        table.gotoBookmark(m_lastMatch->bookmark);
    } catch (const StoreError &) {
        // The record is gone: the one now at its place in the list.
        table.gotoRecord(m_counter);
        m_pastEdge = table.atEnd();
    }
}

void FindSearch::runNonStop()
{
    m_nonStopMatches.reset();
    if (hooks.beforeNonStop && !hooks.beforeNonStop()) {
        if (hooks.afterNonStop)
            hooks.afterNonStop();
        return;
    }
    std::optional<StoreError> failure;
    try {
        nonStop();
    } catch (const StoreError &error) {
        // A card another user holds cannot take its mark: the search ends
        // there, its change already cancelled by the walk.
        failure = error;
    }
    // The window comes back whatever ended the search, before it tells why.
    if (hooks.resumeFilter)
        hooks.resumeFilter();
    if (hooks.afterNonStop)
        hooks.afterNonStop();
    if (failure) {
        showMessage(MessageKind::Error,
            searchStoppedText() + QLatin1Char('\r') + QString::fromLocal8Bit(failure->what()));
        return;
    }
    if (m_nonStopMatches) {
        showMessage(MessageKind::Information,
            *m_nonStopMatches > 0 ? recordsFoundText(*m_nonStopMatches) : noRecordsFoundText());
    }
}

void FindSearch::nonStop()
{
    const WaitCursor hourglass;
    if (hooks.suspendFilter)
        hooks.suspendFilter();
    int matches = 0;
    m_counter = 0;
    MarkWalk::run(
        m_store.recordTable(),
        [&](const StoreTable &record) {
            m_scan->startRecord(true);
            const bool matched = m_scan->test(record, m_text, m_skipMemos, true).matched;
            matches += matched;
            ++m_counter;
            return matched;
        },
        [&](int walked, int) {
            keepWindowAlive(walked - 1);
            return !m_stopped;
        });
    if (m_stopped) {
        m_counter = 0;
        return;
    }
    m_nonStopMatches = matches;
}

} // namespace zendrova
