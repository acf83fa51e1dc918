#pragma once

#include "common/LoginRules.h"

#include <QCoreApplication>
#include <QString>

namespace zendrova {

class AppState;

// The Login dialog without its widgets: which edits it shows, what it asks
// for, and the result of what was typed. Used for the start-up login and for
// the security check before destructive operations.
class LoginForm
{
    Q_DECLARE_TR_FUNCTIONS(LoginForm)

public:
    enum class Purpose { Login, SecurityCheck };
    static constexpr int kMaxUserIdLength = 10;
    static constexpr int kMaxPasswordLength = 10;

    LoginForm(const AppState &state, Purpose purpose);

    QString caption() const;
    // In the 1-User System only the Supervisor's password is asked for.
    bool showsUserId() const { return m_multiUser; }
    bool showsPassword() const { return !m_multiUser || m_passwordsRequired; }
    QString initialUserId() const;

    // OK: decides the login by the rules, leaving the state untouched.
    LoginOutcome submit(const QString &userId, const QString &password) const;
    // Cancel counts as a failed login.
    static LoginOutcome cancelled();

private:
    const AppState &m_state;
    Purpose m_purpose;
    bool m_multiUser;
    bool m_passwordsRequired;
};

} // namespace zendrova
