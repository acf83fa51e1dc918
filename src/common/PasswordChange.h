#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

namespace zendrova {

class AppState;

// The Password command: the logged-in user changes their own password, the
// Supervisor that of the Supervisor. The password dialog is asked through
// askPassword (its label in, the typed text or nothing on Cancel out).
class PasswordChange
{
    Q_DECLARE_TR_FUNCTIONS(PasswordChange)

public:
    using Ask = std::function<std::optional<QString>(const QString &label)>;
    static constexpr int kMaxLength = 20;

    static QString oldPasswordLabel() { return tr("Enter Your Old Password:"); }
    static QString newPasswordLabel() { return tr("Enter New Password:"); }
    static QString reenterLabel() { return tr("Reenter New Password:"); }
    static QString wrongPasswordText() { return tr("Wrong Password!"); }
    static QString differentText() { return tr("Reentered Password is different!"); }
    static QString acceptedText() { return tr("New Password accepted!"); }
    static QString activateText()
    {
        return tr("Do you want to activate the Password System next time you start the "
                  "program?");
    }

    PasswordChange(AppState &state, Ask askPassword);

    // The whole command. The Supervisor's new password is kept in the state
    // (the options file is written at the end of the run); an account's is
    // saved in "users.lst" at once.
    void run();
    // One change of the stored form: the old password (skipped when there is
    // none), the new one twice. The new stored form, or nothing when the
    // change was refused or cancelled.
    std::optional<QString> change(const QString &stored);

private:
    AppState &m_state;
    Ask m_ask;
};

} // namespace zendrova
