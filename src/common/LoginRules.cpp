#include "common/LoginRules.h"

#include "common/FileLookup.h"
#include "common/PasswordHash.h"
#include "common/TUserList.h"

namespace zendrova {

namespace {

AccessLevel accessFor(PublicAccessRights installationWide, AccountAccess account)
{
    if (installationWide != PublicAccessRights::AsSpecifiedInAccounts)
        return static_cast<AccessLevel>(static_cast<int>(installationWide));
    return static_cast<AccessLevel>(static_cast<int>(account) + 1);
}

} // namespace

LoginOutcome LoginRules::check(
    const AppState &state, const QString &userId, const QString &password)
{
    LoginOutcome outcome;
    outcome.userFolder = state.publicFolder();
    const bool passwordsRequired = state.systemOptions.passwordMode == PasswordMode::Required;

    if (userId == AppState::kSupervisorName) {
        if (passwordsRequired && !PasswordHash::matches(state.supervisorPassword, password))
            return outcome;
        outcome.userName = userId;
        outcome.isSupervisor = true;
        outcome.result = LoginResult::LoggedIn;
        return outcome;
    }

    const auto accounts = TUserList::loadAccounts(state.dataDirectory, state.programFolder);
    if (!accounts)
        return outcome;
    const auto index = accounts->findByUserId(userId);
    if (!index)
        return outcome;
    const TUserRec &account = accounts->accounts().at(*index);
    if (passwordsRequired && !PasswordHash::matches(account.password, password))
        return outcome;

    outcome.userName = userId;
    outcome.userFolder = joinPath(state.dataDirectory, account.dataDirectory);
    outcome.accessLevel = accessFor(state.systemOptions.publicAccessRights, account.access);
    outcome.result = account.status == AccountStatus::NotActive ? LoginResult::AccountDisabled
                                                                : LoginResult::LoggedIn;
    return outcome;
}

void LoginRules::apply(const LoginOutcome &outcome, AppState &state)
{
    state.userName = outcome.userName;
    state.isSupervisor = outcome.isSupervisor;
    state.userFolder = outcome.userFolder;
    state.databaseFolder = outcome.userFolder;
    state.accessLevel = outcome.accessLevel;
}

} // namespace zendrova
