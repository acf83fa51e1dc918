#pragma once
#include <QColor>
#include <QString>

namespace zendrova::print {

enum TOrientation { poPortrait, poLandScape };
enum TLineHeightMethod { lhmFont, lhmLinesPerInch, lhmUser };
enum TStreamMode { smMemory, smFile, smUser, smTempFile };
enum TBKMode { bkTransparent, bkOpaque };

// Cell justification of a tab stop and of CellJustifyAll.
enum TJustify { pjCenter = 0, pjLeft = 1, pjRight = 2, pjBlock = 3 };
// CellJustifyAll's value that lets every stop use its own justification.
constexpr int kJustifyByStop = 4;

// Box line bits of a tab stop.
enum TBoxLine {
    BOXLINELEFT = 1,
    BOXLINERIGHT = 2,
    BOXLINETOP = 4,
    BOXLINEBOTTOM = 8,
    BOXLINEALL = 15
};

// The position that AddStop takes as "right after the previous stop".
constexpr double kAfterPreviousStop = -32768.0;

// One argument of NextCell: the stop's own setting, or forced off or on.
enum class TCellPart { FromStop, Off, On };

// Font style bits as the callers keep them in their style sets.
enum TFontStyleBit { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFontSpec
{
    QString name = QStringLiteral("Arial");
    double size = 10.0; // points
    int style = 0; // TFontStyleBit set
    QColor color = Qt::black;
    bool operator==(const TFontSpec &) const = default;
};

// A tab stop with its position already resolved (units from the left paper edge).
struct TTabStop
{
    double position = 0.0;
    double width = 0.0;
    int justify = pjLeft;
    int boxLines = 0;
    int shade = 0; // percent grey, 0 = none (then TabShade applies)
    double margin = 0.0; // units (AddStop takes hundredths of a unit)
};

// Platform paper codes that ChoosePaper takes.
enum TPaperCode {
    kPaperLetter = 1,
    kPaperLegal = 5,
    kPaperA4 = 9,
    kPaperEnvelope10 = 20,
    kPaperCustom = 256
};

} // namespace zendrova::print
