#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// Tells the user that a template list or a template's own file could not be
// written, naming the file, and that nothing changed because of it.
class TemplateWriteFailure
{
    Q_DECLARE_TR_FUNCTIONS(TemplateWriteFailure)

public:
    static QString notSavedText(const QString &path);
    static QString notDeletedText(const QString &path);
    static void reportNotSaved(const QString &path);
    static void reportNotDeleted(const QString &path);
};

} // namespace zendrova
