#pragma once

#include "common/LoginRules.h"

namespace zendrova {

class AppState;
class LoginForm;

// Shows the Login dialog for a form and returns how it ended. The program
// installs the widget dialog; tests install a scripted one. Until then every
// login is cancelled, so nothing is let through unattended.
class LoginPrompt
{
public:
    virtual ~LoginPrompt();
    virtual LoginOutcome run(const LoginForm &form) = 0;

    static LoginPrompt &current();
    // Returns the previous prompt; nullptr restores the default.
    static LoginPrompt *install(LoginPrompt *replacement);
};

// The start-up login: asks, and on a found account takes over its values.
LoginResult login(AppState &state);

// Asked before operations that cannot be undone. True at once when passwords
// are not required or the Supervisor has no password; otherwise the Login
// dialog captioned "Security Check" must end with a login. The logged-in user
// stays as it was in every case.
bool securityCheck(const AppState &state);

} // namespace zendrova
