#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace zendrova {

// One label definition: the sheet, what each label shows, the fonts and where
// the first label of a run starts. Lengths are kept as typed, in the
// definition's units; they are read as numbers only when a run lays them out.
struct TLabelRec
{
    enum Type : std::int32_t { AveryNorthAmerica = 0, AveryEurope = 1, Custom = 2 };
    enum ShapeKind : std::int32_t { RoundRect = 0, Rectangle = 1, Round = 2 };
    enum Paper : std::int32_t { Letter = 0, Legal = 1, A4 = 2, CustomPaper = 3 };

    static inline const QString kDefaultStock = QStringLiteral("AV 12_294");

    QString Name;
    // Each entry: line number * 100 + caption-list index (see LabelLines).
    QList<std::int32_t> Lines;
    std::int32_t LabelType = AveryNorthAmerica;
    std::int32_t Shape = RoundRect;
    QString StockName = kDefaultStock;
    QString LabelWidth;
    QString LabelHeight;
    QString PitchWidth;
    QString PitchHeight;
    QString SheetLeft;
    QString SheetTop;
    QString Across;
    QString Down;
    QString FirstLabel = QStringLiteral("1");
    QString BodyLeft = QStringLiteral("0.5");
    QString BodyTop = QStringLiteral("0.5");
    QString BodyFontName = QStringLiteral("Arial");
    std::uint8_t BodyFontStyle = 1;
    std::int32_t BodyFontSize = 10;
    QStringList HeaderText;
    QString HeaderLeft = QStringLiteral("0.2");
    QString HeaderTop = QStringLiteral("0.2");
    QString HeaderFontName = QStringLiteral("Arial");
    std::uint8_t HeaderFontStyle = 0;
    std::int32_t HeaderFontSize = 8;
    QString LogoFile;
    QString LogoLeft = QStringLiteral("2.0");
    QString LogoTop = QStringLiteral("0.2");
    std::int32_t Orientation = 0;
    std::uint8_t Units = 0;
    std::int32_t HeaderFontColor = 0;
    std::int32_t BodyFontColor = 0;
    QString PageWidth;
    QString PageHeight;
    std::int32_t PaperSize = Letter;

    // Every field, the name included.
    void copyFrom(const TLabelRec &other) { *this = other; }
    bool operator==(const TLabelRec &) const = default;
};

} // namespace zendrova
