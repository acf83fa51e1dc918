#pragma once

#include "common/AppState.h"

#include <QString>

namespace zendrova {

enum class LoginResult { LoggedIn, AccountDisabled, Failed };

// What a login settles for the run: who is logged in, where their files are
// and how far they may touch the public folder.
struct LoginOutcome
{
    LoginResult result = LoginResult::Failed;
    QString userName;
    bool isSupervisor = false;
    QString userFolder;
    AccessLevel accessLevel = AccessLevel::ReadAndWrite;
};

// Decides a login from what was typed, without changing the state, so the same
// rules serve the start-up login and the security check.
class LoginRules
{
public:
    // "Supervisor" is the built-in account only when typed exactly; any other
    // ID (also "supervisor") is looked up among the accounts.
    static LoginOutcome check(
        const AppState &state, const QString &userId, const QString &password);
    // Takes over the values of a login that found its account.
    static void apply(const LoginOutcome &outcome, AppState &state);
};

} // namespace zendrova
