#include "output/ReportRun.h"

#include "common/Clock.h"
#include "output/TReportRec.h"
#include "printengine/TBaseReport.h"
#include "printengine/TMemoBuf.h"
#include "printengine/TReportFiler.h"
#include "store/StoreTable.h"

namespace zendrova {

using namespace print;

namespace {

const QString kHeaderFont = QStringLiteral("Arial");
constexpr double kHeaderSize = 8;
constexpr double kTitleSize = 24;

QColor fromWindowsRgb(std::int32_t rgb)
{
    return QColor(rgb & 0xff, (rgb >> 8) & 0xff, (rgb >> 16) & 0xff);
}

} // namespace

ReportRun::ReportRun(TBaseReport &engine, StoreTable &table, const ReportSetup &setup,
                     QStringList captions, const DateFormatList &dateFormats, ReportHooks hooks)
    : m_engine(engine)
    , m_table(table)
    , m_setup(setup)
    , m_captions(std::move(captions))
    , m_values(table, dateFormats)
    , m_hooks(std::move(hooks))
    , m_memo(std::make_unique<TDBMemoBuf>())
{ }

ReportRun::~ReportRun() = default;

QString ReportRun::statusFormat()
{
    return QStringLiteral("Printing Page %p\r%0\r%1");
}

QString ReportRun::totalsText()
{
    return tr("Totals:");
}

void ReportRun::attach()
{
    applyPageSettings();
    m_engine.OnPrint = nullptr;
    m_engine.OnNewPage = nullptr;
    m_engine.OnBeforePrint = [this] { beforePrint(); };
    m_engine.OnAfterPrint = [this] { afterPrint(); };
    m_engine.OnPrintHeader = [this] { header(); };
    m_engine.OnPrintFooter = [this] { footer(); };
    if (m_setup.rowsLayout)
        m_engine.OnPrintPage = [this](int page) { return rowsPage(page); };
    else
        m_engine.OnPrintPage = [this](int page) { return columnsPage(page); };
}

void ReportRun::applyPageSettings()
{
    m_engine.UnitsFactor = 1.0;
    m_engine.LineHeightMethod = lhmFont;
    m_engine.Title = m_setup.title.left(ReportSetup::kMaxTitleLength);
    m_engine.MarginLeft = m_setup.marginLeft;
    m_engine.MarginRight = m_setup.marginRight;
    m_engine.MarginTop = m_setup.marginTop;
    m_engine.MarginBottom = m_setup.marginBottom;
    m_engine.Orientation = m_setup.landscape ? poLandScape : poPortrait;
    m_engine.ChoosePaper(m_setup.paperCode, m_setup.pageHeight, m_setup.pageWidth);
    // A page stream made without a printer still gets the chosen paper.
    if (auto *filer = dynamic_cast<TReportFiler *>(&m_engine))
        filer->SetPaperInches(QSizeF(m_setup.pageWidth, m_setup.pageHeight));
    m_engine.RefreshPageSetup();
}

void ReportRun::beforePrint()
{
    m_engine.StatusFormat = statusFormat();
    m_engine.StatusText = QStringList{ QString(), QString() };
    // Lifting the letter range repositions the table; one record prints
    // where it stood.
    m_startRecord = m_table.bookmark();
    if (m_hooks.beforePrint)
        m_hooks.beforePrint();
    if (m_setup.oneRecord)
        m_table.gotoBookmark(m_startRecord);
    else
        m_table.first();

    m_columns.clear();
    for (const ReportColumn &definition : m_setup.columns) {
        // A column whose field the caption list does not know cannot print.
        if (definition.fieldIndex >= m_captions.size())
            continue;
        Column column;
        column.position = definition.fieldIndex + FieldModel::kFirstUserPosition;
        column.caption = m_captions[definition.fieldIndex];
        column.width = definition.width / 100.0 * (m_setup.centimetres ? ReportSetup::kInchesPerCm : 1.0);
        column.numeric = m_values.isNumeric(column.position);
        column.memo = m_values.isMemo(column.position);
        column.picture = m_values.isPicture(column.position);
        column.text = m_values.isText(column.position);
        m_columns.push_back(column);
    }
    m_resume = 0;
    m_totals = m_setup.totals
        && std::any_of(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.numeric; });
    m_totalsPhase = false;
    m_totalsDone = false;
    m_oneRecordDone = false;
    m_fitted = false;
    m_rowFits = true;
    m_picturesDone = false;
}

void ReportRun::afterPrint()
{
    if (m_hooks.afterPrint)
        m_hooks.afterPrint();
    if (m_setup.oneRecord)
        m_table.gotoBookmark(m_startRecord);
}

QString ReportRun::dateAndPage(bool date) const
{
    if (date) {
        return tr("Date ") + m_values.shortDate(Clock::today());
    }
    return tr("Page ") + QString::number(m_engine.CurrentPage());
}

void ReportRun::selectBodyFont()
{
    m_engine.ChooseFont(m_setup.font.name, m_setup.font.size);
    m_engine.SetFontStyle(m_setup.font.style);
    m_engine.ChooseTextColor(fromWindowsRgb(m_setup.fontColor));
}

void ReportRun::restoreBodyStyle()
{
    m_engine.SetFontStyle(m_setup.font.style);
    m_engine.ChooseTextColor(fromWindowsRgb(m_setup.fontColor));
}

void ReportRun::header()
{
    if (!m_engine.StatusText.isEmpty()) {
        m_engine.StatusText[0] = tr("Printing Report Page");
        m_engine.RefreshStatus();
    }
    if (m_setup.pageNumbers == TReportRec::NumbersAtTop) {
        m_engine.ChooseFont(kHeaderFont, kHeaderSize);
        m_engine.SetFontStyle(0);
        m_engine.ChooseTextColor(Qt::black);
        m_engine.MoveBandTop(m_engine.MarginTop - m_engine.OneLineHeight());
        m_engine.EmitTopLine(dateAndPage(true), pjLeft);
        m_engine.EmitTopLine(dateAndPage(false), pjRight);
    }
    m_engine.MoveBandTop(m_engine.MarginTop);
    const bool title = !m_engine.Title.isEmpty()
        && (m_engine.CurrentPage() == 1 || m_setup.titleOption == 1);
    if (title) {
        m_engine.ChooseFont(kHeaderFont, kTitleSize);
        m_engine.SetFontStyle(fsUnderline);
        m_engine.ChooseTextColor(Qt::black);
        m_engine.GoFirstLine();
        m_engine.EmitCentred(m_engine.Title, m_engine.PaperWidthUnits() / 2.0);
        selectBodyFont();
        m_engine.EmitLine();
        m_engine.EmitLine();
    } else {
        selectBodyFont();
        m_engine.GoFirstLine();
    }
}

void ReportRun::footer()
{
    if (m_setup.pageNumbers != TReportRec::NumbersAtBottom)
        return;
    m_engine.ChooseFont(kHeaderFont, kHeaderSize);
    m_engine.SetFontStyle(0);
    m_engine.ChooseTextColor(Qt::black);
    m_engine.MoveBandBottom(m_engine.PaperHeightUnits() - m_engine.MarginBottom + m_engine.OneLineHeight());
    m_engine.EmitBottomLine(dateAndPage(true), pjLeft);
    m_engine.EmitBottomLine(dateAndPage(false), pjRight);
}

bool ReportRun::recordsRemain() const
{
    if (m_setup.oneRecord)
        return !m_oneRecordDone && m_table.onRecord();
    return !m_table.atEnd();
}

void ReportRun::recordDone()
{
    if (m_setup.oneRecord)
        m_oneRecordDone = true;
    else
        m_table.next();
}

void ReportRun::addToTotal(Column &column)
{
    if (m_totals && column.numeric)
        column.total += m_values.number(column.position);
}

} // namespace zendrova
