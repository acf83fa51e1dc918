#pragma once

#include "output/LabelLines.h"
#include "output/TLabelRec.h"
#include "printengine/TLabelShell.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <functional>

namespace zendrova {

class DateFormatList;
class StoreTable;

// One run of the current label definition over the records of a table: the
// sheet geometry for the label driver and what each label position prints.
// Lengths are read in the definition's units and handed over in inches.
class LabelRun
{
    Q_DECLARE_TR_FUNCTIONS(LabelRun)

public:
    LabelRun(const TLabelRec &label, StoreTable &table, const QStringList &captions,
        const DateFormatList &dateFormats);

    // Exactly one label, for the current record, and the table stays where it is.
    bool oneRecord = false;
    // Runs at the sheet start unless in one-record mode: lifts a letter-tab
    // restriction of the record list for the run.
    std::function<void()> onSheetStart;
    // Pixels per inch of the screen, for pictures and the logo in their natural size.
    double screenDotsPerInch = 96.0;

    // Refuses a sheet without label positions (after saying so).
    bool check() const;
    // Paper, orientation and the sheet geometry; before the first page.
    void setUp(print::TBaseReport &engine);
    // Produces every page.
    void print(print::TBaseReport &engine);

    const print::TLabelShell &shell() const { return m_shell; }
    // How many labels were printed (empty positions not counted).
    int printedCount() const { return m_printedCount; }

private:
    bool metric() const { return m_label.Units == 1; }
    double inches(const QString &text) const;
    void sheetStart();
    void printLabel(print::TBaseReport &engine);
    bool labelAfter();
    void printHeader(print::TBaseReport &engine);
    void printBody(print::TBaseReport &engine);
    void printLogo(print::TBaseReport &engine);
    // Whether a line whose top is at top fits above the label's bottom.
    bool lineFits(const print::TBaseReport &engine, double top) const;
    // Cut from the end until it is at most width wide; widths keeps the widths
    // of whole texts measured in the current font.
    static QString fitted(const print::TBaseReport &engine, QString text, double width,
        QHash<QString, double> &widths);
    QString fieldText(int captionIndex) const;
    int positionOf(int captionIndex) const;

    TLabelRec m_label;
    StoreTable &m_table;
    QStringList m_captions;
    const DateFormatList &m_dateFormats;
    QList<LabelLine> m_lines;
    print::TLabelShell m_shell;
    int m_firstLabel = 1;
    double m_width = 0;
    double m_height = 0;
    double m_bodyLeft = 0, m_bodyTop = 0, m_headerLeft = 0, m_headerTop = 0;
    double m_logoLeft = 0, m_logoTop = 0;
    QImage m_logo;
    QHash<QString, double> m_bodyWidths;
    QHash<QString, double> m_headerWidths;
    bool m_printed = false;
    int m_printedCount = 0;
};

} // namespace zendrova
