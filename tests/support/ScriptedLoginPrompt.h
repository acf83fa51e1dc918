#pragma once

#include "common/LoginForm.h"
#include "common/LoginPrompt.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <optional>

namespace zendrova::test {

// What the Login dialog showed when it was asked.
struct ShownLoginForm
{
    QString caption;
    bool showsUserId = false;
    bool showsPassword = false;
    QString initialUserId;
};

// Stands in for the Login dialog while installed: each expected login is
// answered with the typed user ID and password (decided by the real rules) or
// with Cancel. An unexpected login fails the running test.
class ScriptedLoginPrompt final : public LoginPrompt
{
public:
    ScriptedLoginPrompt()
        : m_previous(LoginPrompt::install(this))
    { }
    ~ScriptedLoginPrompt() override
    {
        LoginPrompt::install(m_previous);
        EXPECT_TRUE(m_answers.empty()) << "scripted logins were left over";
    }

    void expectLogin(const QString &userId, const QString &password)
    {
        m_answers.emplace_back(std::make_pair(userId, password));
    }
    void expectCancel() { m_answers.emplace_back(std::nullopt); }
    const std::vector<ShownLoginForm> &shown() const { return m_shown; }

    LoginOutcome run(const LoginForm &form) override
    {
        m_shown.push_back(
            { form.caption(), form.showsUserId(), form.showsPassword(), form.initialUserId() });
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected login dialog: " << form.caption().toStdString();
            return LoginForm::cancelled();
        }
        const auto answer = m_answers.front();
        m_answers.pop_front();
        return answer ? form.submit(answer->first, answer->second) : LoginForm::cancelled();
    }

private:
    std::deque<std::optional<std::pair<QString, QString>>> m_answers;
    std::vector<ShownLoginForm> m_shown;
    LoginPrompt *m_previous;
};

} // namespace zendrova::test
