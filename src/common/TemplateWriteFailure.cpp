#include "common/TemplateWriteFailure.h"

#include "common/Interaction.h"

#include <QDir>

namespace zendrova {

QString TemplateWriteFailure::notSavedText(const QString &path)
{
    return tr("Could not write the file \"%1\".\rTemplate Not Saved!")
        .arg(QDir::toNativeSeparators(path));
}

QString TemplateWriteFailure::notDeletedText(const QString &path)
{
    return tr("Could not write the file \"%1\".\rTemplate Not Deleted!")
        .arg(QDir::toNativeSeparators(path));
}

void TemplateWriteFailure::reportNotSaved(const QString &path)
{
    showMessage(MessageKind::Error, notSavedText(path));
}

void TemplateWriteFailure::reportNotDeleted(const QString &path)
{
    showMessage(MessageKind::Error, notDeletedText(path));
}

} // namespace zendrova
