#pragma once

#include "output/ReportSetup.h"
#include "output/ReportValues.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zendrova {

class DateFormatList;
class StoreTable;
class TReportRec;

namespace print {
class TBaseReport;
class TMemoBuf;
} // namespace print

// What the main window lends a report run: it suspends the letter-tab range
// before the first page and restores it after the last.
struct ReportHooks
{
    std::function<void()> beforePrint;
    std::function<void()> afterPrint;
};

// One report run: prints the records of the table, in its current order and
// ranges, through a page engine in the rows or the columns layout, with
// titles, page numbers, totals, memos and pictures. In one-record mode it
// prints the record the table stands on and never moves the table.
class ReportRun
{
    Q_DECLARE_TR_FUNCTIONS(ReportRun)

public:
    ReportRun(print::TBaseReport &engine, StoreTable &table, const ReportSetup &setup,
              QStringList captions, const DateFormatList &dateFormats, ReportHooks hooks = {});
    ~ReportRun();
    ReportRun(const ReportRun &) = delete;
    ReportRun &operator=(const ReportRun &) = delete;

    // Columns left out because they did not fit the page are also removed
    // from this definition's column list (the dialog rebuilds it before each run).
    void setDefinition(TReportRec *definition) { m_definition = definition; }

    // Applies the page settings and installs the run's hooks on the engine;
    // the caller then runs the engine's job.
    void attach();

    static QString statusFormat();
    static QString totalsText();

private:
    struct Column
    {
        int position = 0;
        QString caption;
        double width = 0; // inches
        bool numeric = false, memo = false, picture = false, text = false;
        long double total = 0;
        // Where the memo resumes on the next page; 0 when not inside one.
        int memoResume = 0;
    };

    void applyPageSettings();
    void beforePrint();
    void afterPrint();
    void header();
    void footer();
    void selectBodyFont();
    void restoreBodyStyle();
    QString dateAndPage(bool date) const;
    bool recordsRemain() const;
    void recordDone();
    void addToTotal(Column &column);

    // Rows layout.
    bool rowsPage(int page);
    bool rowsField(Column &column);
    void rowsCaption(const Column &column, bool empty);
    bool rowsMemo(Column &column);
    bool rowsPicture(Column &column);
    bool rowsTotals();

    // Columns layout.
    bool columnsPage(int page);
    void fitColumns();
    void captionRow();
    void dataStops();
    void columnsTextCells();
    double columnsMemoCells(double rowTop, bool rowStarts);
    double columnsPictureCells(double rowTop);
    bool pictureRowFits(double rowTop) const;
    void rule();
    void gridSides(double rowTop);
    void totalsRow();
    bool memoInProgress() const;
    double columnLeft(int index) const;

    print::TBaseReport &m_engine;
    StoreTable &m_table;
    ReportSetup m_setup;
    QStringList m_captions;
    ReportValues m_values;
    ReportHooks m_hooks;
    TReportRec *m_definition = nullptr;
    std::unique_ptr<print::TMemoBuf> m_memo;

    std::vector<Column> m_columns;
    std::uint32_t m_startRecord = 0;
    bool m_totals = false;
    bool m_totalsPhase = false;
    bool m_totalsDone = false;
    bool m_oneRecordDone = false;
    int m_resume = 0;
    double m_captionWidth = 0;
    bool m_fitted = false;
    bool m_rowFits = true;
    bool m_picturesDone = false;
    bool m_hasMemo = false;
    bool m_hasPicture = false;
};

} // namespace zendrova
