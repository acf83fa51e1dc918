#include "output/LabelDialogModel.h"

#include "common/FontConversion.h"
#include "common/Interaction.h"
#include "output/LabelNumbers.h"
#include "output/LabelStockFile.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace zendrova {

namespace {

using LabelNumbers::kCentimetresPerInch;
using LabelNumbers::kInchesPerCentimetre;
using LabelNumbers::shortest;

constexpr double kA4WidthInches = 8.26771653543307;
constexpr double kA4HeightInches = 11.692913385826772;

QString converted(const QString &text, double factor)
{
    return shortest(LabelNumbers::read(text) * factor);
}

} // namespace

LabelDialogModel::LabelDialogModel(QString stockFolder)
    : m_stockFolder(std::move(stockFolder))
{ }

QString LabelDialogModel::stockPath() const
{
    return QDir(m_stockFolder)
        .filePath(m_labelType == TLabelRec::AveryEurope ? LabelStockFile::kEurope
                                                        : LabelStockFile::kNorthAmerica);
}

void LabelDialogModel::swapBoxes()
{
    for (int i = 0; i < kBoxCount; i += 2)
        std::swap(m_boxes[i], m_boxes[i + 1]);
}

void LabelDialogModel::setOrientation(int orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    swapBoxes();
}

void LabelDialogModel::setUnits(int units)
{
    if (units == m_units)
        return;
    m_units = units;
    if (m_filling)
        return;
    const double factor = units == 1 ? kCentimetresPerInch : kInchesPerCentimetre;
    for (int i = Width; i <= SheetTop; ++i)
        m_boxes[i] = converted(m_boxes[i], factor);
    for (QString *text : { &bodyLeft, &bodyTop, &headerLeft, &headerTop, &logoLeft, &logoTop })
        *text = converted(*text, factor);
    // The standard sizes come back exactly instead of with rounding noise.
    if (units == 0 && m_paperSize == TLabelRec::Letter) {
        m_pageWidth = shortest(8.5);
        m_pageHeight = shortest(11);
    } else if (units == 0 && m_paperSize == TLabelRec::Legal) {
        m_pageWidth = shortest(8.5);
        m_pageHeight = shortest(14);
    } else if (units == 1 && m_paperSize == TLabelRec::A4) {
        m_pageWidth = shortest(21);
        m_pageHeight = shortest(29.7);
    } else {
        m_pageWidth = converted(m_pageWidth, factor);
        m_pageHeight = converted(m_pageHeight, factor);
    }
}

void LabelDialogModel::setPaperSize(int paperSize)
{
    m_paperSize = paperSize;
    const double f = metric() ? kCentimetresPerInch : 1.0;
    switch (paperSize) {
    case TLabelRec::Letter:
        m_pageWidth = shortest(8.5 * f);
        m_pageHeight = shortest(11 * f);
        break;
    case TLabelRec::Legal:
        m_pageWidth = shortest(8.5 * f);
        m_pageHeight = shortest(14 * f);
        break;
    case TLabelRec::A4:
        m_pageWidth = shortest(metric() ? 21 : kA4WidthInches);
        m_pageHeight = shortest(metric() ? 29.7 : kA4HeightInches);
        break;
    default:
        break;
    }
}

void LabelDialogModel::setLabelType(int type)
{
    m_labelType = type;
    applyLabelType();
}

void LabelDialogModel::setStockName(const QString &name)
{
    m_stockName = name;
    if (!m_filling)
        applyLabelType();
}

bool LabelDialogModel::readStockNames()
{
    const auto names = LabelStockFile::readNames(stockPath());
    if (!names) {
        m_stockNames.clear();
        showMessage(MessageKind::Error,
            tr("Error! Could not read Label File: ") + QDir::toNativeSeparators(stockPath()));
        return false;
    }
    m_stockNames = *names;
    return true;
}

void LabelDialogModel::applyLabelType()
{
    if (m_labelType == TLabelRec::Custom)
        return;
    if (!readStockNames()) {
        setLabelType(TLabelRec::Custom);
        return;
    }
    if (m_filling)
        return;
    // The stock box only holds names of its list; without one it shows the first.
    if (!m_stockNames.contains(m_stockName))
        m_stockName = m_stockNames.value(0);
    applyStock();
}

void LabelDialogModel::applyStock()
{
    const auto stock = LabelStockFile::readStock(stockPath(), m_stockName);
    if (!stock) {
        showMessage(MessageKind::Error, tr("Error! Could not read Label Parameters."));
        setLabelType(TLabelRec::Custom);
        return;
    }
    m_shape = stock->shape;
    setOrientation(stock->orientation);
    m_boxes = { stock->width, stock->height, stock->pitchWidth, stock->pitchHeight,
        stock->sheetLeft, stock->sheetTop, stock->across, stock->down };
    double factor = 1.0;
    if (metric() && m_labelType == TLabelRec::AveryNorthAmerica)
        factor = kCentimetresPerInch;
    else if (!metric() && m_labelType == TLabelRec::AveryEurope)
        factor = kInchesPerCentimetre;
    if (factor != 1.0)
        for (int i = Width; i <= SheetTop; ++i)
            m_boxes[i] = converted(m_boxes[i], factor);
}

void LabelDialogModel::fillFrom(const TLabelRec &label)
{
    m_filling = true;
    setOrientation(label.Orientation);
    setLabelType(label.LabelType);
    m_shape = label.Shape;
    setStockName(label.StockName);
    m_boxes = { label.LabelWidth, label.LabelHeight, label.PitchWidth, label.PitchHeight,
        label.SheetLeft, label.SheetTop, label.Across, label.Down };
    firstLabel = label.FirstLabel;
    bodyLeft = label.BodyLeft;
    bodyTop = label.BodyTop;
    bodyFont = { label.BodyFontName, label.BodyFontStyle, label.BodyFontSize };
    headerText = label.HeaderText.join(QLatin1Char('\n'));
    headerLeft = label.HeaderLeft;
    headerTop = label.HeaderTop;
    headerFont = { label.HeaderFontName, label.HeaderFontStyle, label.HeaderFontSize };
    logoFile = label.LogoFile;
    logoLeft = label.LogoLeft;
    logoTop = label.LogoTop;
    fields.setIncluded(LabelLines::decode(label.Lines));
    setUnits(label.Units);
    bodyColor = label.BodyFontColor;
    headerColor = label.HeaderFontColor;
    m_pageWidth = label.PageWidth;
    m_pageHeight = label.PageHeight;
    setPaperSize(label.PaperSize);
    m_filling = false;
    fields.selectCaption(0);
    fields.select(0);
    applyLabelType();
}

void LabelDialogModel::writeTo(TLabelRec &label) const
{
    label.LabelType = m_labelType;
    label.Shape = m_shape;
    label.StockName = m_stockName;
    label.LabelWidth = m_boxes[Width];
    label.LabelHeight = m_boxes[Height];
    label.PitchWidth = m_boxes[PitchWidth];
    label.PitchHeight = m_boxes[PitchHeight];
    label.SheetLeft = m_boxes[SheetLeft];
    label.SheetTop = m_boxes[SheetTop];
    label.Across = m_boxes[Across];
    label.Down = m_boxes[Down];
    label.FirstLabel = firstLabel;
    label.BodyLeft = bodyLeft;
    label.BodyTop = bodyTop;
    label.BodyFontName = bodyFont.name;
    label.BodyFontStyle = bodyFont.style;
    label.BodyFontSize = bodyFont.size;
    label.HeaderText = headerText.isEmpty() ? QStringList() : headerText.split(QLatin1Char('\n'));
    label.HeaderLeft = headerLeft;
    label.HeaderTop = headerTop;
    label.HeaderFontName = headerFont.name;
    label.HeaderFontStyle = headerFont.style;
    label.HeaderFontSize = headerFont.size;
    label.LogoFile = logoFile;
    label.LogoLeft = logoLeft;
    label.LogoTop = logoTop;
    label.Orientation = m_orientation;
    label.Units = static_cast<std::uint8_t>(m_units);
    label.HeaderFontColor = headerColor;
    label.BodyFontColor = bodyColor;
    label.PageWidth = m_pageWidth;
    label.PageHeight = m_pageHeight;
    label.PaperSize = m_paperSize;
    label.Lines = LabelLines::encode(fields.included());
}

void LabelDialogModel::chooseBodyFont()
{
    if (const auto font = Interaction::current().chooseFont(bodyFont))
        bodyFont = *font;
}

void LabelDialogModel::chooseHeaderFont()
{
    if (const auto font = Interaction::current().chooseFont(headerFont))
        headerFont = *font;
}

void LabelDialogModel::chooseLogoFile()
{
    const QString name = Interaction::current().openFileName(
        tr("Select Logo File"), QFileInfo(logoFile).absolutePath(), QStringLiteral("*.bmp"));
    if (!name.isEmpty())
        logoFile = name;
}

QString LabelDialogModel::styleText(std::uint8_t style)
{
    return fontStyleText(style);
}

} // namespace zendrova
