#include "common/LoginForm.h"

#include "common/AppState.h"

namespace zendrova {

LoginForm::LoginForm(const AppState &state, Purpose purpose)
    : m_state(state)
    , m_purpose(purpose)
    , m_multiUser(state.systemOptions.usersCount == UsersCount::MultiUser)
    , m_passwordsRequired(state.systemOptions.passwordMode == PasswordMode::Required)
{ }

QString LoginForm::caption() const
{
    return m_purpose == Purpose::Login ? tr("Login") : tr("Security Check");
}

QString LoginForm::initialUserId() const
{
    return m_multiUser ? QString() : AppState::kSupervisorName;
}

LoginOutcome LoginForm::submit(const QString &userId, const QString &password) const
{
    // The hidden edit of the 1-User System always holds the Supervisor.
    const QString id = m_multiUser ? userId : AppState::kSupervisorName;
    return LoginRules::check(m_state, id, password);
}

LoginOutcome LoginForm::cancelled()
{
    return {};
}

} // namespace zendrova
