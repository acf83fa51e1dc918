#include "output/ui/LabelDialogRun.h"

#include "output/ui/TLabelDlg.h"

namespace zendrova {

void runLabelDialog(LabelDialogContext context, QWidget *parent)
{
    TLabelDlg dialog(std::move(context), parent);
    dialog.exec();
}

} // namespace zendrova
