#include "common/PasswordChange.h"

#include "common/AppState.h"
#include "common/Interaction.h"
#include "common/PasswordHash.h"
#include "common/TUserList.h"

namespace zendrova {

PasswordChange::PasswordChange(AppState &state, Ask askPassword)
    : m_state(state)
    , m_ask(std::move(askPassword))
{ }

void PasswordChange::run()
{
    if (m_state.isSupervisor) {
        if (const auto stored = change(m_state.supervisorPassword))
            m_state.supervisorPassword = *stored;
        return;
    }
    auto accounts = TUserList::loadAccounts(m_state.dataDirectory, m_state.programFolder);
    if (!accounts)
        return;
    const auto index = accounts->findByUserId(m_state.userName);
    if (!index)
        return;
    if (const auto stored = change(accounts->accounts().at(*index).password)) {
        (*accounts)[*index].password = *stored;
        accounts->saveAccounts(m_state.dataDirectory);
    }
}

std::optional<QString> PasswordChange::change(const QString &stored)
{
    if (!stored.isEmpty()) {
        const auto old = m_ask(oldPasswordLabel());
        if (!old)
            return std::nullopt;
        if (!PasswordHash::matches(stored, *old)) {
            showMessage(MessageKind::Error, wrongPasswordText());
            return std::nullopt;
        }
    }
    const auto first = m_ask(newPasswordLabel());
    if (!first)
        return std::nullopt;
    const auto second = m_ask(reenterLabel());
    if (!second)
        return std::nullopt;
    if (*first != *second) {
        showMessage(MessageKind::Error, differentText());
        return std::nullopt;
    }
    const QString newStored = PasswordHash::make(*first);
    showMessage(MessageKind::Information, acceptedText());
    if (m_state.systemOptions.passwordMode == PasswordMode::NotRequired
        && showMessage(MessageKind::Information, activateText(), MessageButtons::YesNo)
            == Answer::Yes)
        m_state.systemOptions.passwordMode = PasswordMode::Required;
    return newStored;
}

} // namespace zendrova
