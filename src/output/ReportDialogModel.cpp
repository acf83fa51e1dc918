#include "output/ReportDialogModel.h"

#include "common/FontConversion.h"
#include "output/ReportNumbers.h"
#include "output/TReportRec.h"

#include <algorithm>
#include <cmath>

namespace zendrova {

namespace {

constexpr int kLastPaperSize = TReportRec::Custom;

int roundedHundredths(double units)
{
    return static_cast<int>(std::lround(units * 100.0));
}

QString converted(const QString &text, double factor)
{
    return shortestNumber(readReportNumber(text) * factor);
}

} // namespace

ReportDialogModel::ReportDialogModel(QStringList captions, std::vector<FieldKind> kinds,
                                     TReportRec &current, bool oneRecord)
    : m_captions(std::move(captions))
    , m_kinds(std::move(kinds))
    , m_current(current)
    , m_oneRecord(oneRecord)
{
    for (const FieldKind kind : m_kinds)
        if (kind == FieldKind::Numeric)
            m_totalsVisible = true;
    fillFromDefinition();
}

QString ReportDialogModel::caption() const
{
    return m_oneRecord ? tr("Print Report") + tr(" - One Record") : tr("Print Report");
}

QString ReportDialogModel::marginsWideText()
{
    return tr("Left/Right Margins too large or Page Width too small!");
}

QString ReportDialogModel::marginsTallText()
{
    return tr("Top/Bottom Margins too large or Page Heiht too small!");
}

QString ReportDialogModel::styleText(std::uint8_t style)
{
    return fontStyleText(style);
}

void ReportDialogModel::fillFromDefinition()
{
    m_filling = true;
    labels = m_current.FieldNames;
    m_layout = m_current.Layout == 1 ? 1 : 0;
    grid = m_current.Grid;
    totals = m_current.Totals;
    orientation = m_current.Orientation;
    marginLeft = m_current.MarginLeft;
    marginRight = m_current.MarginRight;
    marginTop = m_current.MarginTop;
    marginBottom = m_current.MarginBottom;
    pageWidth = m_current.PageWidth;
    pageHeight = m_current.PageHeight;
    font = FontRecord{ m_current.FontName, m_current.FontStyle, m_current.FontSize };
    fontColor = m_current.FontColor;
    title = m_current.Title;
    titleOption = m_current.TitleOption;
    pageNumbers = m_current.PageNumbers;
    m_units = m_current.Units == TReportRec::Centimetres ? 1 : 0;
    m_included.clear();
    for (const ReportColumn &column : m_current.columns())
        if (column.fieldIndex < m_captions.size())
            m_included.push_back({ m_captions[column.fieldIndex], column.width });
    const int size = m_current.PaperSize;
    setPaperSize(size >= 0 && size <= kLastPaperSize ? size : TReportRec::Letter);
    layoutChanged(false);
    m_allSelected = m_captions.isEmpty() ? -1 : 0;
    m_includedSelected = m_included.empty() ? -1 : 0;
    m_filling = false;
    showSelectedWidth();
}

std::vector<ReportColumn> ReportDialogModel::columnsFromIncluded() const
{
    std::vector<ReportColumn> columns;
    for (const Included &entry : m_included) {
        const auto found = std::find_if(m_captions.begin(), m_captions.end(),
            [&](const QString &c) { return c.compare(entry.caption, Qt::CaseInsensitive) == 0; });
        if (found == m_captions.end())
            continue;
        columns.push_back({ static_cast<std::uint16_t>(found - m_captions.begin()),
            static_cast<std::uint16_t>(std::clamp(entry.width, 0, 0xffff - 20)) });
    }
    return columns;
}

void ReportDialogModel::writeToDefinition() const
{
    m_current.FieldNames = labels;
    m_current.Layout = m_layout;
    m_current.Grid = grid;
    m_current.Totals = totals;
    m_current.Orientation = orientation;
    m_current.PaperSize = m_paperSize;
    m_current.MarginLeft = marginLeft;
    m_current.MarginRight = marginRight;
    m_current.MarginTop = marginTop;
    m_current.MarginBottom = marginBottom;
    m_current.PageWidth = pageWidth;
    m_current.PageHeight = pageHeight;
    m_current.FontName = font.name;
    m_current.FontStyle = font.style;
    m_current.FontSize = font.size;
    m_current.FontColor = fontColor;
    m_current.Title = title;
    m_current.TitleOption = titleOption;
    m_current.PageNumbers = pageNumbers;
    m_current.Units = static_cast<std::uint8_t>(m_units);
    m_current.setColumns(columnsFromIncluded());
}

void ReportDialogModel::selectAll(int row)
{
    m_allSelected = row >= 0 && row < m_captions.size() ? row : -1;
}

void ReportDialogModel::selectIncluded(int row)
{
    m_includedSelected = row >= 0 && row < static_cast<int>(m_included.size()) ? row : -1;
    showSelectedWidth();
}

int ReportDialogModel::defaultWidth(int captionIndex) const
{
    const FieldKind kind = captionIndex < static_cast<int>(m_kinds.size())
        ? m_kinds[static_cast<size_t>(captionIndex)]
        : FieldKind::Other;
    double inches = 2;
    switch (kind) {
    case FieldKind::Picture:
        inches = 4;
        break;
    case FieldKind::Memo:
        inches = 3;
        break;
    case FieldKind::Numeric:
        inches = 1.5;
        break;
    case FieldKind::Date:
        inches = 1;
        break;
    default:
        break;
    }
    return roundedHundredths(inches * unitFactor());
}

void ReportDialogModel::include()
{
    if (m_allSelected < 0)
        return;
    const QString &caption = m_captions[m_allSelected];
    const bool already = std::any_of(m_included.begin(), m_included.end(),
        [&](const Included &entry) { return entry.caption == caption; });
    if (already)
        return;
    m_included.push_back({ caption, defaultWidth(m_allSelected) });
    m_includedSelected = static_cast<int>(m_included.size()) - 1;
    m_allSelected = std::min(m_allSelected + 1, static_cast<int>(m_captions.size()) - 1);
    showSelectedWidth();
}

void ReportDialogModel::includeAll()
{
    m_included.clear();
    for (int i = 0; i < m_captions.size(); ++i)
        m_included.push_back({ m_captions[i], defaultWidth(i) });
    m_includedSelected = m_included.empty() ? -1 : 0;
    showSelectedWidth();
}

void ReportDialogModel::exclude()
{
    if (m_includedSelected < 0)
        return;
    m_included.erase(m_included.begin() + m_includedSelected);
    m_includedSelected = std::min(m_includedSelected, static_cast<int>(m_included.size()) - 1);
    showSelectedWidth();
}

void ReportDialogModel::excludeAll()
{
    m_included.clear();
    m_includedSelected = -1;
    showSelectedWidth();
}

void ReportDialogModel::moveUp()
{
    if (m_includedSelected <= 0)
        return;
    std::swap(m_included[m_includedSelected], m_included[m_includedSelected - 1]);
    --m_includedSelected;
}

void ReportDialogModel::moveDown()
{
    if (m_includedSelected < 0 || m_includedSelected + 1 >= static_cast<int>(m_included.size()))
        return;
    std::swap(m_included[m_includedSelected], m_included[m_includedSelected + 1]);
    ++m_includedSelected;
}

void ReportDialogModel::showSelectedWidth()
{
    if (m_filling)
        return;
    if (rowsLayout())
        m_widthText = tr("not used");
    else if (m_includedSelected < 0)
        m_widthText.clear();
    else
        m_widthText = shortestNumber(m_included[m_includedSelected].width / 100.0);
}

QString ReportDialogModel::typeWidth(const QString &text)
{
    if (rowsLayout() || m_filling)
        return text;
    QString kept = text;
    const qsizetype separator = kept.indexOf(decimalSeparator());
    if (separator >= 0 && kept.size() - separator - 1 > 2)
        kept.truncate(separator + 3);
    m_widthText = kept;
    if (m_includedSelected >= 0)
        m_included[m_includedSelected].width = roundedHundredths(readReportNumber(kept));
    return kept;
}

// Choosing the columns layout turns the grid on; the rows layout never has
// one. Changing Totals, or opening the dialog, leaves a stored grid choice
// alone.
void ReportDialogModel::layoutChanged(bool fromLayout)
{
    if (rowsLayout())
        grid = 1;
    else if (fromLayout)
        grid = 0;
    showSelectedWidth();
}

void ReportDialogModel::setLayout(int layout)
{
    const bool changed = layout != m_layout;
    m_layout = layout == 1 ? 1 : 0;
    layoutChanged(changed);
}

void ReportDialogModel::setTotals(int value)
{
    totals = value;
    layoutChanged(false);
}

void ReportDialogModel::setUnits(int units)
{
    units = units == TReportRec::Centimetres ? 1 : 0;
    if (m_filling || units == m_units) {
        m_units = units;
        return;
    }
    const bool toCm = units == TReportRec::Centimetres;
    const double factor = toCm ? 2.54 : ReportSetup::kInchesPerCm;
    for (Included &entry : m_included)
        entry.width = static_cast<int>(std::lround(entry.width * factor));
    for (QString *margin : { &marginLeft, &marginRight, &marginTop, &marginBottom })
        *margin = converted(*margin, factor);
    m_units = units;
    // Exact sizes where conversion would leave rounding noise.
    if (!toCm && m_paperSize == TReportRec::Letter) {
        pageWidth = shortestNumber(8.5);
        pageHeight = shortestNumber(11);
    } else if (!toCm && m_paperSize == TReportRec::Legal) {
        pageWidth = shortestNumber(8.5);
        pageHeight = shortestNumber(14);
    } else if (toCm && m_paperSize == TReportRec::A4) {
        pageWidth = shortestNumber(21);
        pageHeight = shortestNumber(29.7);
    } else {
        pageWidth = converted(pageWidth, factor);
        pageHeight = converted(pageHeight, factor);
    }
    showSelectedWidth();
}

void ReportDialogModel::setPaperSize(int size)
{
    m_paperSize = std::clamp(size, 0, kLastPaperSize);
    const double f = unitFactor();
    const bool cm = m_units == TReportRec::Centimetres;
    switch (m_paperSize) {
    case TReportRec::Letter:
        pageWidth = shortestNumber(8.5 * f);
        pageHeight = shortestNumber(11 * f);
        break;
    case TReportRec::Legal:
        pageWidth = shortestNumber(8.5 * f);
        pageHeight = shortestNumber(14 * f);
        break;
    case TReportRec::A4:
        pageWidth = shortestNumber(cm ? 21 : 8.26771653543307);
        pageHeight = shortestNumber(cm ? 29.7 : 11.692913385826772);
        break;
    case TReportRec::Envelope10:
        pageWidth = shortestNumber(9.5 * f);
        pageHeight = shortestNumber(4.125 * f);
        break;
    default:
        break;
    }
}

ReportDialogModel::ButtonStates ReportDialogModel::buttons() const
{
    const bool some = !m_included.empty();
    const bool any = !m_captions.isEmpty();
    return { any, any, some, some, some, some, some, some, some };
}

std::optional<QString> ReportDialogModel::marginProblem() const
{
    const bool landscape = orientation == 1;
    const double width = readReportNumber(landscape ? pageHeight : pageWidth);
    const double height = readReportNumber(landscape ? pageWidth : pageHeight);
    if (width - readReportNumber(marginLeft) - readReportNumber(marginRight) < 1)
        return marginsWideText();
    if (height - readReportNumber(marginTop) - readReportNumber(marginBottom) < 1)
        return marginsTallText();
    return std::nullopt;
}

ReportSetup ReportDialogModel::runSetup(ReportSetup::Destination destination)
{
    m_current.setColumns(columnsFromIncluded());
    const double toInches = m_units == TReportRec::Centimetres ? ReportSetup::kInchesPerCm : 1.0;
    ReportSetup setup;
    setup.destination = destination;
    setup.title = title.left(ReportSetup::kMaxTitleLength);
    setup.marginLeft = readReportNumber(marginLeft) * toInches;
    setup.marginRight = readReportNumber(marginRight) * toInches;
    setup.marginTop = readReportNumber(marginTop) * toInches;
    setup.marginBottom = readReportNumber(marginBottom) * toInches;
    setup.pageWidth = readReportNumber(pageWidth) * toInches;
    setup.pageHeight = readReportNumber(pageHeight) * toInches;
    setup.landscape = orientation == 1;
    static constexpr int codes[] = { ReportSetup::PaperLetter, ReportSetup::PaperLegal,
        ReportSetup::PaperA4, ReportSetup::PaperEnvelope10, ReportSetup::PaperCustom };
    setup.paperCode = codes[m_paperSize];
    setup.rowsLayout = rowsLayout();
    setup.fieldNames = labels == 0;
    setup.grid = grid == 0;
    setup.totals = totals == 0;
    setup.centimetres = m_units == TReportRec::Centimetres;
    setup.oneRecord = m_oneRecord;
    setup.titleOption = titleOption;
    setup.pageNumbers = pageNumbers;
    setup.font = font;
    setup.fontColor = fontColor;
    setup.columns = m_current.columns();
    return setup;
}

} // namespace zendrova
