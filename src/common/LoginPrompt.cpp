#include "common/LoginPrompt.h"

#include "common/InstalledService.h"

#include "common/AppState.h"
#include "common/LoginForm.h"
#include "common/PasswordUpgrade.h"

namespace zendrova {

namespace {

class CancellingPrompt final : public LoginPrompt
{
public:
    LoginOutcome run(const LoginForm &) override { return LoginForm::cancelled(); }
};

CancellingPrompt cancelling;
InstalledService<LoginPrompt> installed(cancelling);

} // namespace

LoginPrompt::~LoginPrompt() = default;

LoginPrompt &LoginPrompt::current()
{
    return installed.current();
}

LoginPrompt *LoginPrompt::install(LoginPrompt *replacement)
{
    return installed.install(replacement);
}

LoginResult login(AppState &state)
{
    const LoginOutcome outcome
        = LoginPrompt::current().run(LoginForm(state, LoginForm::Purpose::Login));
    if (outcome.result != LoginResult::Failed)
        LoginRules::apply(outcome, state);
    if (outcome.result == LoginResult::LoggedIn)
        upgradeStoredPasswords(state);
    return outcome.result;
}

bool securityCheck(const AppState &state)
{
    if (state.systemOptions.passwordMode == PasswordMode::NotRequired
        || state.supervisorPassword.isEmpty())
        return true;
    const LoginOutcome outcome
        = LoginPrompt::current().run(LoginForm(state, LoginForm::Purpose::SecurityCheck));
    return outcome.result == LoginResult::LoggedIn;
}

} // namespace zendrova
