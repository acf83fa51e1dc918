#include "store/FindSearch.h"

#include "common/Clock.h"
#include "common/Interaction.h"
#include "common/WaitCursor.h"
#include "store/FieldModel.h"
#include "store/RecordStore.h"
#include "store/StoreTable.h"

namespace zendrova {

namespace {

const QString kMatchMark = QStringLiteral("2");
const QString kNoMatchMark = QStringLiteral("0");

// Whatever ends a non-stop search, the filter gets its hook back and the
// main window its view.
class NonStopEnd
{
public:
    explicit NonStopEnd(const FindHooks &hooks)
        : m_hooks(hooks)
    {
    }
    ~NonStopEnd()
    {
        if (m_suspended && m_hooks.resumeFilter)
            m_hooks.resumeFilter();
        if (m_hooks.afterNonStop)
            m_hooks.afterNonStop();
    }
    void suspend()
    {
        m_suspended = true;
        if (m_hooks.suspendFilter)
            m_hooks.suspendFilter();
    }

private:
    const FindHooks &m_hooks;
    bool m_suspended = false;
};

} // namespace

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
{
}

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
        m_lastMatch = LastMatch { m_store.recordTable().engine().bookmark(), m_counter };
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
        if (keepAlive)
            keepAlive(m_counter);
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

void FindSearch::startAtEnd(bool forward)
{
    StoreTable &table = m_store.recordTable();
    dbase::Table &engine = table.engine();
    if (forward) {
        engine.first();
        m_counter = 0;
    } else {
        engine.last();
        m_counter = table.recordCount() - 1;
    }
    m_pastEdge = engine.recno() == 0;
    m_scan->startRecord(forward);
}

void FindSearch::moveRecord(bool forward)
{
    dbase::Table &engine = m_store.recordTable().engine();
    const bool moved = forward ? engine.next() : engine.prior();
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
        table.engine().gotoBookmark(m_lastMatch->bookmark);
    } catch (const dbase::Error &) {
        // The record is gone: the one now at its place in the list.
        table.gotoRecord(m_counter);
        m_pastEdge = table.atEnd();
    }
}

void FindSearch::runNonStop()
{
    m_nonStopMatches.reset();
    try {
        nonStop();
    } catch (const dbase::Error &error) {
        // A card another user holds cannot take its mark: the search ends there.
        m_store.recordTable().engine().cancel();
        showMessage(MessageKind::Error,
            searchStoppedText() + QLatin1Char('\r') + QString::fromLocal8Bit(error.what()));
        return;
    }
    if (m_nonStopMatches) {
        showMessage(MessageKind::Information,
            *m_nonStopMatches > 0 ? recordsFoundText(*m_nonStopMatches) : noRecordsFoundText());
    }
}

void FindSearch::nonStop()
{
    NonStopEnd end(hooks);
    if (hooks.beforeNonStop && !hooks.beforeNonStop())
        return;
    const WaitCursor hourglass;
    end.suspend();
    StoreTable &table = m_store.recordTable();
    table.selectNaturalOrder();
    m_counter = 0;
    int matches = 0;
    for (table.first(); !table.atEnd(); table.next()) {
        if (keepAlive)
            keepAlive(m_counter);
        if (m_stopped)
            break;
        m_scan->startRecord(true);
        const bool matched = m_scan->test(table, m_text, m_skipMemos, true).matched;
        const QString &mark = matched ? kMatchMark : kNoMatchMark;
        // A record that already carries its mark is not stored again.
        if (table.text(FieldModel::kFilterMarkPosition) != mark) {
            table.edit();
            table.setText(FieldModel::kFilterMarkPosition, mark);
            table.post();
        }
        matches += matched;
        ++m_counter;
    }
    if (m_stopped) {
        m_counter = 0;
        return;
    }
    m_nonStopMatches = matches;
}

} // namespace zendrova
