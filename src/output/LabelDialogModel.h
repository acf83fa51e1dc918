#pragma once

#include "common/FontRecord.h"
#include "output/LabelFieldList.h"
#include "output/TLabelRec.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>

namespace zendrova {

// Everything the label dialog shows and its rules, without widgets: the form
// copies these values into its controls after each call and hands edits back.
class LabelDialogModel
{
    Q_DECLARE_TR_FUNCTIONS(LabelDialogModel)

public:
    // The boxes swapped in pairs by the orientation.
    enum Box {
        Width,
        Height,
        PitchWidth,
        PitchHeight,
        SheetLeft,
        SheetTop,
        Across,
        Down,
        kBoxCount
    };

    // stockFolder holds "av_na.ini" and "av_eu.ini".
    explicit LabelDialogModel(QString stockFolder);

    LabelFieldList fields;

    // Fills every value from the definition, then applies the label type.
    void fillFrom(const TLabelRec &label);
    void writeTo(TLabelRec &label) const;

    // Page
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation);
    bool metric() const { return m_units == 1; }
    int units() const { return m_units; }
    void setUnits(int units);
    int paperSize() const { return m_paperSize; }
    void setPaperSize(int paperSize);
    const QString &pageWidth() const { return m_pageWidth; }
    const QString &pageHeight() const { return m_pageHeight; }
    void setPageWidth(const QString &text) { m_pageWidth = text; }
    void setPageHeight(const QString &text) { m_pageHeight = text; }
    bool pageBoxesReadOnly() const { return m_paperSize != TLabelRec::CustomPaper; }

    // Labels
    int labelType() const { return m_labelType; }
    void setLabelType(int type);
    const QStringList &stockNames() const { return m_stockNames; }
    const QString &stockName() const { return m_stockName; }
    void setStockName(const QString &name);
    bool stockShown() const { return m_labelType != TLabelRec::Custom; }
    bool geometryReadOnly() const { return m_labelType != TLabelRec::Custom; }
    int shape() const { return m_shape; }
    void setShape(int shape) { m_shape = shape; }
    const QString &box(Box which) const { return m_boxes[which]; }
    void setBox(Box which, const QString &text) { m_boxes[which] = text; }
    QString firstLabel;

    // Body, header/footer and logo
    QString bodyLeft;
    QString bodyTop;
    FontRecord bodyFont;
    std::int32_t bodyColor = 0;
    QString headerText;
    QString headerLeft;
    QString headerTop;
    FontRecord headerFont;
    std::int32_t headerColor = 0;
    QString logoLeft;
    QString logoTop;
    QString logoFile;

    void chooseBodyFont();
    void chooseHeaderFont();
    void chooseLogoFile();

    // "Regular", or "Bold Italic Underline Strikeout" for the styles present.
    static QString styleText(std::uint8_t style);

    QString stockPath() const;

private:
    void applyLabelType();
    // Reads the stock list; false (after telling the user) when it cannot be read.
    bool readStockNames();
    void applyStock();
    void swapBoxes();

    QString m_stockFolder;
    bool m_filling = false;
    int m_orientation = 0;
    int m_units = 0;
    int m_paperSize = TLabelRec::Letter;
    QString m_pageWidth;
    QString m_pageHeight;
    int m_labelType = TLabelRec::AveryNorthAmerica;
    QStringList m_stockNames;
    QString m_stockName;
    int m_shape = TLabelRec::RoundRect;
    std::array<QString, kBoxCount> m_boxes;
};

} // namespace zendrova
