#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// The typed-YES confirmation behind "Confirm Action": the edit upper-cases
// what is typed and keeps at most three characters; only "YES" confirms.
class DeleteConfirmation
{
    Q_DECLARE_TR_FUNCTIONS(DeleteConfirmation)

public:
    static constexpr int kMaxLength = 3;

    static QString captionText();
    static QString promptText();
    static QString typeYesText();
    static QString warningText();
    static QString notDeletedText();

    // What the edit shows after the user typed text.
    static QString edited(const QString &typed);
    static bool confirms(const QString &typed);
};

} // namespace zendrova
