#pragma once

#include <QCoreApplication>
#include <QString>

namespace zendrova {

// The typed-YES confirmation asked before what cannot be undone (deleting a
// record, a database, an account's data, maintenance): the edit upper-cases
// what is typed and keeps at most three characters; only "YES" confirms.
class TypedYes
{
    Q_DECLARE_TR_FUNCTIONS(TypedYes)

public:
    static constexpr int kMaxLength = 3;

    static QString typeYesText() { return tr("type in 'YES':"); }
    // The warning line of every operation that cannot be undone but a record delete.
    static QString cannotBeUndoneText() { return tr("WARNING! This operation cannot be Undone!"); }

    // What the edit shows after the user typed text.
    static QString edited(const QString &typed) { return typed.toUpper().left(kMaxLength); }
    static bool confirms(const QString &typed) { return edited(typed) == QLatin1String("YES"); }
};

} // namespace zendrova
