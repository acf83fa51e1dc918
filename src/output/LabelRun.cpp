#include "output/LabelRun.h"

#include "common/DateFormatList.h"
#include "common/DateText.h"
#include "common/Interaction.h"
#include "output/LabelNumbers.h"
#include "store/FieldModel.h"
#include "store/StoreTable.h"

#include <QColor>
#include <QFileInfo>
#include <QLocale>
#include <cmath>

namespace zendrova {

using namespace print;

namespace {

// The memo's right edge stays this far inside the label.
constexpr double kMemoRightGap = 0.1;

QColor fromWindowsRgb(std::int32_t value)
{
    const auto rgb = static_cast<std::uint32_t>(value);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

int paperCode(int paperSize)
{
    switch (paperSize) {
    case TLabelRec::Letter:
        return kPaperLetter;
    case TLabelRec::Legal:
        return kPaperLegal;
    case TLabelRec::A4:
        return kPaperA4;
    default:
        return kPaperCustom;
    }
}

void chooseFont(TBaseReport &engine, const QString &name, int size, int style, std::int32_t color)
{
    engine.ChooseFont(name, size);
    engine.SetFontStyle(style);
    engine.ChooseTextColor(fromWindowsRgb(color));
}

} // namespace

LabelRun::LabelRun(const TLabelRec &label, StoreTable &table, const QStringList &captions,
    const DateFormatList &dateFormats)
    : m_label(label)
    , m_table(table)
    , m_captions(captions)
    , m_dateFormats(dateFormats)
    , m_lines(LabelLines::decode(label.Lines))
{ }

double LabelRun::inches(const QString &text) const
{
    return LabelNumbers::inches(text, metric());
}

bool LabelRun::check() const
{
    if (LabelNumbers::count(m_label.Across) >= 1 && LabelNumbers::count(m_label.Down) >= 1)
        return true;
    showMessage(MessageKind::Warning,
        tr("There must be at least one label Across and one Down on a page!"));
    return false;
}

void LabelRun::setUp(TBaseReport &engine)
{
    m_shell.setLabelBrand(lbCustom);
    m_shell.LabelShape = static_cast<TLabelShape>(
        m_label.Shape >= lsRoundRect && m_label.Shape <= lsRound ? m_label.Shape : lsRoundRect);
    m_shell.setLabelWidth(inches(m_label.LabelWidth));
    m_shell.setLabelHeight(inches(m_label.LabelHeight));
    m_shell.setSpacingWidth(inches(m_label.PitchWidth));
    m_shell.setSpacingHeight(inches(m_label.PitchHeight));
    m_shell.setSpacingLeft(inches(m_label.SheetLeft));
    m_shell.setSpacingTop(inches(m_label.SheetTop));
    m_shell.setNumAcross(LabelNumbers::count(m_label.Across));
    m_shell.setNumDown(LabelNumbers::count(m_label.Down));
    m_shell.DrawExtents = true;
    engine.Orientation = m_label.Orientation == 1 ? poLandScape : poPortrait;
    engine.ChoosePaper(
        paperCode(m_label.PaperSize), inches(m_label.PageHeight), inches(m_label.PageWidth));
    engine.RefreshPageSetup();
}

void LabelRun::print(TBaseReport &engine)
{
    m_shell.OnReportBefore = [this](TBaseReport &) { sheetStart(); };
    m_shell.OnLabelPrint = [this](TBaseReport &e) { printLabel(e); };
    m_shell.OnLabelAfter = [this](TBaseReport &) { return labelAfter(); };
    m_shell.OnReportAfter = [this](TBaseReport &) { m_logo = QImage(); };
    m_shell.RunJob(engine);
}

void LabelRun::sheetStart()
{
    if (!oneRecord) {
        if (onSheetStart)
            onSheetStart();
        m_table.first();
    }
    m_width = m_shell.LabelWidth();
    m_height = m_shell.LabelHeight();
    m_bodyLeft = inches(m_label.BodyLeft);
    m_bodyTop = inches(m_label.BodyTop);
    m_headerLeft = inches(m_label.HeaderLeft);
    m_headerTop = inches(m_label.HeaderTop);
    m_logoLeft = inches(m_label.LogoLeft);
    m_logoTop = inches(m_label.LogoTop);
    m_firstLabel = std::max(1, LabelNumbers::count(m_label.FirstLabel));
    m_printedCount = 0;
    m_bodyWidths.clear();
    m_headerWidths.clear();
    m_logo = QImage();
    if (!m_label.LogoFile.isEmpty() && QFileInfo::exists(m_label.LogoFile)
        && !m_logo.load(m_label.LogoFile, "BMP"))
        throw ReportError(tr("Bitmap image is not valid").toStdString());
}

void LabelRun::printLabel(TBaseReport &engine)
{
    m_printed = false;
    const int number = (m_shell.CurrentRow() - 1) * m_shell.NumAcross() + m_shell.CurrentColumn();
    if ((engine.CurrentPage() == 1 && number < m_firstLabel) || !m_table.onRecord())
        return;
    printHeader(engine);
    if (m_bodyLeft < m_width && m_bodyTop < m_height)
        printBody(engine);
    printLogo(engine);
    m_printed = true;
    ++m_printedCount;
}

bool LabelRun::labelAfter()
{
    if (oneRecord)
        return !m_printed;
    if (m_printed)
        m_table.next();
    return !m_table.atEnd();
}

bool LabelRun::lineFits(const TBaseReport &engine, double top) const
{
    return top + engine.OneLineHeight() <= m_height + 1e-9;
}

QString LabelRun::fitted(
    const TBaseReport &engine, QString text, double width, QHash<QString, double> &widths)
{
    // Teams, brands and years repeat from card to card: each text is measured once a run.
    auto measure = [&](const QString &part) {
        auto known = widths.constFind(part);
        if (known == widths.constEnd())
            known = widths.insert(part, engine.MeasureText(part));
        return *known;
    };
    if (measure(text) <= width)
        return text;
    while (!text.isEmpty() && engine.MeasureText(text) > width)
        text.chop(1);
    return text;
}

void LabelRun::printHeader(TBaseReport &engine)
{
    // Switching fonts costs a measuring set-up per label; skip it when there is nothing to print.
    if (m_label.HeaderText.isEmpty())
        return;
    chooseFont(engine, m_label.HeaderFontName, m_label.HeaderFontSize, m_label.HeaderFontStyle,
        m_label.HeaderFontColor);
    double top = m_headerTop;
    for (const QString &line : m_label.HeaderText) {
        if (!lineFits(engine, top))
            break;
        engine.PlaceX(m_headerLeft);
        engine.PlaceY(top + engine.LineAscent());
        engine.EmitText(fitted(engine, line, m_width - m_headerLeft, m_headerWidths));
        top += engine.OneLineHeight();
    }
}

int LabelRun::positionOf(int captionIndex) const
{
    const int position = captionIndex + FieldModel::kFirstUserPosition;
    if (captionIndex < 0 || captionIndex >= m_captions.size()
        || !m_table.fieldModel().contains(position))
        return -1;
    return position;
}

QString LabelRun::fieldText(int captionIndex) const
{
    const int position = positionOf(captionIndex);
    const FieldModel &fields = m_table.fieldModel();
    switch (fields.kind(position)) {
    case FieldKind::Numeric:
        if (m_table.isNull(position))
            return QString();
        return QLocale().toString(
            m_table.number(position), 'f', m_table.numericDecimals(position) != 0 ? 2 : 0);
    case FieldKind::Date: {
        const auto date = m_table.date(position);
        if (!date)
            return QString();
        return DateText::format(
            *date, DateFormatList::pattern(m_dateFormats.codeForField(captionIndex)));
    }
    case FieldKind::Memo:
    case FieldKind::Picture:
        return QString();
    default:
        return m_table.text(position).trimmed();
    }
}

void LabelRun::printBody(TBaseReport &engine)
{
    chooseFont(engine, m_label.BodyFontName, m_label.BodyFontSize, m_label.BodyFontStyle,
        m_label.BodyFontColor);
    double top = m_bodyTop;
    const FieldModel &fields = m_table.fieldModel();
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].sameLine)
            continue; // printed with the line it continues
        const int position = positionOf(m_lines[i].captionIndex);
        if (position < 0)
            continue;
        if (fields.isMemo(position)) {
            TMemoBuf memo;
            memo.PrintStart = m_bodyLeft;
            memo.PrintEnd = m_width - kMemoRightGap;
            if (memo.PrintEnd <= memo.PrintStart)
                continue;
            engine.LoadMemoField(memo, fromCp1252(m_table.bytes(position).toStdString()));
            const int room = int(std::floor((m_height - top) / engine.OneLineHeight() + 1e-9));
            if (room <= 0)
                break;
            const int lines = std::min(room, engine.CountMemoLines(memo));
            engine.PlaceY(top + engine.LineAscent());
            engine.EmitMemo(memo, lines, false);
            top += lines * engine.OneLineHeight();
            continue;
        }
        if (fields.isPicture(position)) {
            const double half = std::round(engine.OneLineHeight() / 2);
            top += half;
            const QImage picture = QImage::fromData(m_table.bytes(position));
            if (picture.isNull())
                continue;
            const double width = picture.width() / screenDotsPerInch;
            const double height = picture.height() / screenDotsPerInch;
            if (top + height <= m_height && m_bodyLeft + width <= m_width)
                engine.DrawPicture(picture, m_bodyLeft, top, m_bodyLeft + width, top + height);
            top += height + half;
            continue;
        }
        QString text = fieldText(m_lines[i].captionIndex);
        for (qsizetype j = i + 1; j < m_lines.size() && m_lines[j].sameLine; ++j)
            if (positionOf(m_lines[j].captionIndex) >= 0)
                text += QLatin1Char(' ') + fieldText(m_lines[j].captionIndex);
        if (!lineFits(engine, top))
            break;
        engine.PlaceX(m_bodyLeft);
        engine.PlaceY(top + engine.LineAscent());
        engine.EmitText(fitted(engine, text, m_width - m_bodyLeft, m_bodyWidths));
        top += engine.OneLineHeight();
    }
}

void LabelRun::printLogo(TBaseReport &engine)
{
    if (m_logo.isNull() || m_logoLeft >= m_width || m_logoTop >= m_height)
        return;
    engine.DrawPicture(m_logo, m_logoLeft, m_logoTop,
        m_logoLeft + m_logo.width() / screenDotsPerInch,
        m_logoTop + m_logo.height() / screenDotsPerInch);
}

} // namespace zendrova
