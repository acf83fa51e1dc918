#pragma once
#include "printengine/PageStream.h"
#include <QCoreApplication>

namespace zendrova::print {

// Prints a page stream (from the preview, or a saved "temp$$$.rpt").
class TFilePrinter
{
    Q_DECLARE_TR_FUNCTIONS(TFilePrinter)

public:
    // On the current printer, copies as given; false (with the message) when there is no printer.
    static bool Print(const PageStream &stream, int copies = 1);
    // Reads the file first; a damaged file is refused with a message.
    static bool PrintFile(const QString &fileName, int copies = 1);
};

// The built-in PDF destination: the pages of a stream written to a PDF file
// (beside the old file, then renamed). Needs no printer.
bool writePdf(const PageStream &stream, const QString &fileName);

} // namespace zendrova::print
