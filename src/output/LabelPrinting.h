#pragma once

#include <QString>

namespace zendrova {

class LabelRun;

enum class LabelDestination { Printer, Preview, Pdf };

// Runs labels through the report driver: to the printer (which must exist),
// to the preview window on the page stream "label.tmp", or to a PDF file.
// False when the run was refused, cancelled or failed (the user was told).
bool printLabels(LabelRun &run, LabelDestination destination, const QString &pdfFile = QString());

} // namespace zendrova
