#pragma once

#include "common/LoginPrompt.h"

namespace zendrova {

// Asks with the real Login dialog, modal over the active window.
class WidgetLoginPrompt final : public LoginPrompt
{
public:
    LoginOutcome run(const LoginForm &form) override;
};

} // namespace zendrova
