#pragma once

#include "printengine/TReportSystem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zendrova {

class SummaryDialogModel;

// The summary printed as a small boxed table: a title, a heading row at the
// top of every page, one row per group and the total. With the value columns
// shown they print too, beside a narrower key column.
class SummaryPrint
{
    Q_DECLARE_TR_FUNCTIONS(SummaryPrint)

public:
    static constexpr double kTitleSize = 14.0;
    static constexpr double kBodySize = 10.0;
    static constexpr double kTableLeft = 1.0;
    static constexpr double kKeyWidth = 5.0;
    static constexpr double kKeyWidthWithValues = 2.5;
    static constexpr double kNumberWidth = 0.5;
    static constexpr double kValueWidth = 1.1;
    // The cells' inner margin, in hundredths of an inch.
    static constexpr double kCellMargin = 5.0;
    static constexpr double kVerticalMargin = 1.0;

    static QString totalText();

    // Takes what the dialog shows now.
    explicit SummaryPrint(const SummaryDialogModel &model);

    // The report driver with this summary's titles, margins and page run.
    void setUp(print::TReportSystem &system);
    // Produces all pages on the engine.
    void print(print::TBaseReport &engine);

    // Runs the driver to the destination (a PDF goes to pdfFile); false when
    // the run did not complete.
    bool run(print::TReportDest destination, const QString &pdfFile = QString());

private:
    void bodyBefore(print::TBaseReport &engine);
    void heading(print::TBaseReport &engine);
    void emitCells(print::TBaseReport &engine, const QStringList &cells);

    QString m_title;
    QStringList m_headers;
    QList<QStringList> m_rows;
    QStringList m_totals;
    bool m_values = false;
    int m_next = 0;
};

} // namespace zendrova
