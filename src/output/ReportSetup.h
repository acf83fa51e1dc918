#pragma once

#include "common/FontRecord.h"
#include "output/TReportRec.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace zendrova {

// Everything a report run needs, with lengths already in inches.
struct ReportSetup
{
    enum class Destination { Printer, Preview };
    // The paper codes the page engine takes.
    enum PaperCode : int { PaperLetter = 1, PaperLegal = 5, PaperA4 = 9, PaperEnvelope10 = 20, PaperCustom = 256 };

    Destination destination = Destination::Preview;
    // At most 31 characters.
    QString title;
    double marginLeft = 1, marginRight = 1, marginTop = 1, marginBottom = 1;
    // The portrait size; landscape swaps them on the page.
    double pageWidth = 8.5, pageHeight = 11;
    bool landscape = false;
    int paperCode = PaperLetter;

    bool rowsLayout = false;
    bool fieldNames = true;
    bool grid = true;
    bool totals = true;
    bool centimetres = false;
    bool oneRecord = false;
    int titleOption = 0;
    int pageNumbers = TReportRec::NumbersAtBottom;
    FontRecord font{ QStringLiteral("Arial"), 0, 10 };
    // A Windows RGB value: red in the low byte.
    std::int32_t fontColor = 0;
    std::vector<ReportColumn> columns;

    static constexpr int kMaxTitleLength = 31;
    static constexpr double kInchesPerCm = 0.39370078740157480316;
};

} // namespace zendrova
