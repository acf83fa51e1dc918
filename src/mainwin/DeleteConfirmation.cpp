#include "mainwin/DeleteConfirmation.h"

namespace zendrova {

QString DeleteConfirmation::captionText()
{
    return tr("Confirm Action");
}

QString DeleteConfirmation::promptText()
{
    return tr("If you want to Delete the selected Record please");
}

QString DeleteConfirmation::warningText()
{
    return tr("WARNING! Record Deletion cannot be Undone!");
}

QString DeleteConfirmation::notDeletedText()
{
    return tr("Record not Deleted.");
}

} // namespace zendrova
