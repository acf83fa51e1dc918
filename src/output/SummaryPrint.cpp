#include "output/SummaryPrint.h"

#include "output/SummaryDialogModel.h"
#include "printengine/TDetailShell.h"

namespace zendrova {

using namespace print;

QString SummaryPrint::totalText()
{
    return tr("Total :");
}

SummaryPrint::SummaryPrint(const SummaryDialogModel &model)
    : m_title(SummaryDialogModel::titleFor(model.chosenCaption()))
    , m_headers(model.headers())
    , m_values(model.valuesShown())
{
    for (int i = 0; i < model.list().size(); ++i)
        m_rows << model.row(i);
    m_totals << totalText() << model.totalText() << QString();
    m_totals << model.valueTotals();
}

void SummaryPrint::setUp(TReportSystem &system)
{
    system.TitleSetup = tr("Report Setup");
    system.TitleStatus = tr("Report Status");
    system.TitlePreview = tr("Report Preview");
    for (TBaseReport *engine :
        { static_cast<TBaseReport *>(&system.SystemPrinter), static_cast<TBaseReport *>(&system.SystemFiler) }) {
        engine->MarginTop = kVerticalMargin;
        engine->MarginBottom = kVerticalMargin;
        engine->Title = m_title.left(31);
    }
    system.OnPrint = [this](TBaseReport &engine) { print(engine); };
}

bool SummaryPrint::run(TReportDest destination, const QString &pdfFile)
{
    TReportSystem system;
    system.DefaultDest = destination;
    system.PdfFileName = pdfFile;
    system.SystemFiler.StreamMode = smMemory;
    setUp(system);
    return system.RunJob();
}

void SummaryPrint::emitCells(TBaseReport &engine, const QStringList &cells)
{
    QString line;
    for (const QString &cell : cells)
        line += QLatin1Char('\t') + cell;
    engine.EmitText(line);
}

void SummaryPrint::bodyBefore(TBaseReport &engine)
{
    engine.ChooseFont(QStringLiteral("Arial"), kTitleSize);
    engine.SetFontStyle(fsBold | fsUnderline);
    engine.EmitCentred(m_title, engine.PaperWidthUnits() / 2.0);
    engine.SwitchBold(false);
    engine.SwitchUnderline(false);
    engine.EndLine();
    engine.EndLine();
    engine.DropStops();
    engine.ChooseFont(QStringLiteral("Arial"), kBodySize);
    engine.AddStop(pjLeft, BOXLINEALL, 0, kCellMargin, m_values ? kKeyWidthWithValues : kKeyWidth,
        kTableLeft);
    engine.AddStop(pjRight, BOXLINEALL, 0, kCellMargin, kNumberWidth, kAfterPreviousStop);
    engine.AddStop(pjRight, BOXLINEALL, 0, kCellMargin, kNumberWidth, kAfterPreviousStop);
    if (m_values)
        for (int i = 0; i < SummaryDialogModel::kValueColumns; ++i)
            engine.AddStop(pjRight, BOXLINEALL, 0, kCellMargin, kValueWidth, kAfterPreviousStop);
}

void SummaryPrint::heading(TBaseReport &engine)
{
    engine.CellJustifyAll = pjCenter;
    engine.SwitchBold(true);
    engine.SwitchItalic(true);
    emitCells(engine, m_headers);
    engine.EndLine();
    engine.SwitchBold(false);
    engine.SwitchItalic(false);
    engine.CellJustifyAll = kJustifyByStop;
}

void SummaryPrint::print(TBaseReport &engine)
{
    m_next = 0;
    TDetailShell shell;
    shell.OnBodyBefore = [this](TBaseReport &e) { bodyBefore(e); };
    shell.OnRowPrint = [this](TBaseReport &e, bool firstOnPage) {
        if (firstOnPage)
            heading(e);
        emitCells(e, m_rows.value(m_next));
        e.EndLine();
        ++m_next;
        if (e.RoomInLines() == 0)
            e.StartNextPage();
    };
    shell.OnRowAfter = [this](TBaseReport &) { return m_next < m_rows.size(); };
    shell.OnBodyAfter = [this](TBaseReport &e) {
        e.CellJustifyAll = pjRight;
        e.SwitchBold(true);
        emitCells(e, m_totals);
        e.EndLine();
        e.SwitchBold(false);
        e.CellJustifyAll = kJustifyByStop;
    };
    shell.RunJob(engine);
}

} // namespace zendrova
