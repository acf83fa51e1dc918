#pragma once

#include "output/LabelDialogContext.h"

class QWidget;

namespace zendrova {

// Opens "Print Labels" modally on the context's current definition, normally
// or in one-record mode; the "Labels" choice of the Print chooser calls it.
void runLabelDialog(LabelDialogContext context, QWidget *parent);

} // namespace zendrova
