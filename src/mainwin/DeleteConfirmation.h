#pragma once

#include "common/TypedYes.h"

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// The texts of the typed-YES confirmation (TypedYes) before a record is deleted.
class DeleteConfirmation
{
    Q_DECLARE_TR_FUNCTIONS(DeleteConfirmation)

public:
    static QString captionText();
    static QString promptText();
    static QString warningText();
    static QString notDeletedText();

    static QString edited(const QString &typed) { return TypedYes::edited(typed); }
    static bool confirms(const QString &typed) { return TypedYes::confirms(typed); }
};

} // namespace zendrova
