#pragma once

#include "store/FindMatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zendrova {

class RecordStore;

// What the Search window keeps from one opening to the next while the
// program runs (nothing of it is stored in a file).
struct FindSettings
{
    int fieldChoice = 0; // 0: all fields
    int startFrom = 0; // 0: beginning, 1: end
    bool skipMemos = false;
    QString lastText;
    QStringList history;

    // "Don't Search Multiline Fields" as it stands: off while one field is
    // chosen (that field is searched whatever its kind), as saved for all fields.
    bool memosSkipped(bool allFields) const { return allFields && skipMemos; }
};

// How the main window takes part in a search. Each may be left empty.
struct FindHooks
{
    // False vetoes the search.
    std::function<bool()> beforeNonStop;
    // Runs last after every non-stop search, also a vetoed one.
    std::function<void()> afterNonStop;
    std::function<bool(bool forward)> beforeStep;
    std::function<bool()> beforeContinue;
    // The scan reached the end of the list in the direction: true when that is
    // the true end, false to scan again from the start of the (new) list.
    std::function<bool(bool forward)> atEnd;
    // The list position (0-based in the scan) and field of the match.
    std::function<void(int listPosition, int fieldPosition, std::optional<MemoMatch> memo)> onMatch;
    std::function<void()> onNoMatch;
    // The non-stop search writes the marks itself: the filter's store hook
    // and evaluation are set aside meanwhile and put back after.
    std::function<void()> suspendFilter;
    std::function<void()> resumeFilter;
};

// The search of the Search window over the store's record table: stepping to
// the next or previous match in the list's order, or marking every record in
// one pass. Once per record it lets the caller keep the window alive.
class FindSearch
{
    Q_DECLARE_TR_FUNCTIONS(FindSearch)

public:
    static QString emptyTextText();
    static QString notFoundText();
    static QString noRecordsFoundText();
    static QString recordsFoundText(int count);
    static QString searchStoppedText();

    // How often a running search lets the window process its messages: often
    // enough for Stop and repaints, seldom enough to cost next to nothing.
    static constexpr qint64 kKeepAliveMs = 75;

    explicit FindSearch(RecordStore &store);

    FindHooks hooks;
    // The window processes its messages here: at the first record of a search,
    // then once kKeepAliveMs have passed (checked at every record).
    std::function<void(int counter)> keepAlive;

    // Starts a search (the Find button). False when nothing was searched.
    // single: the one field position searched, nothing for all fields.
    bool find(const QString &text, bool forward, bool nonStop, std::optional<int> single,
        FindSettings &settings);
    // Find Next / Find Previous: goes on from the last match. True on a match.
    bool findAgain(bool forward);
    void stop() { m_stopped = true; }
    bool stopped() const { return m_stopped; }
    int counter() const { return m_counter; }
    bool hasLastMatch() const { return m_lastMatch.has_value(); }
    // Forgets the last match (after the sort changed, or when the window closes).
    void forgetLastMatch() { m_lastMatch.reset(); }

private:
    struct LastMatch
    {
        uint32_t bookmark = 0;
        int counter = -1;
    };

    bool stepSearch(bool forward, bool continuing);
    bool scan(bool forward, std::optional<MemoMatch> &memo);
    void startAtEnd(bool forward);
    void moveRecord(bool forward);
    void returnToLastMatch();
    void runNonStop();
    void nonStop();
    void keepWindowAlive(int counter);

    RecordStore &m_store;
    SearchText m_text;
    bool m_skipMemos = false;
    std::optional<RecordScan> m_scan;
    std::optional<LastMatch> m_lastMatch;
    int m_counter = 0;
    bool m_pastEdge = false;
    bool m_stopped = false;
    std::optional<int> m_nonStopMatches;
    QElapsedTimer m_sinceAlive;
};

} // namespace zendrova
