#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zendrova {

// One stock's section: the sheet geometry as written in the file (inches in
// the North America file, centimetres in the Europe file).
struct LabelStock
{
    int shape = 0; // as TLabelRec::Shape
    int orientation = 0; // 0 portrait, 1 landscape
    QString width;
    QString height;
    QString pitchWidth;
    QString pitchHeight;
    QString sheetLeft;
    QString sheetTop;
    QString across;
    QString down;
};

// The stock files shipped beside the program: "[Index]" on the first line,
// the stock names after it, then one section of key=value lines per stock.
class LabelStockFile
{
public:
    static inline const QString kNorthAmerica = QStringLiteral("av_na.ini");
    static inline const QString kEurope = QStringLiteral("av_eu.ini");

    // Nothing when the file cannot be read. A file whose first line is not
    // "[Index]" has no names. The names run to the first empty line, the first
    // line beginning with "[" or the end of the file (its last line included).
    static std::optional<QStringList> readNames(const QString &path);
    // Nothing when the file cannot be read or the section has no lines.
    // Section and key names match without regard to case.
    static std::optional<LabelStock> readStock(const QString &path, const QString &name);

    // The same from a file's text, for callers that hold it already.
    static QStringList namesIn(const QString &text);
    static std::optional<LabelStock> stockIn(const QString &text, const QString &name);
};

} // namespace zendrova
