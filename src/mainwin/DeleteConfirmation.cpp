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

QString DeleteConfirmation::typeYesText()
{
    return tr("type in 'YES':");
}

QString DeleteConfirmation::warningText()
{
    return tr("WARNING! Record Deletion cannot be Undone!");
}

QString DeleteConfirmation::notDeletedText()
{
    return tr("Record not Deleted.");
}

QString DeleteConfirmation::edited(const QString &typed)
{
    return typed.toUpper().left(kMaxLength);
}

bool DeleteConfirmation::confirms(const QString &typed)
{
    return edited(typed) == QLatin1String("YES");
}

} // namespace zendrova
