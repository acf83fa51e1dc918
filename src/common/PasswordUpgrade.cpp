#include "common/PasswordUpgrade.h"

#include "common/AppState.h"
#include "common/PasswordHash.h"
#include "common/SystemOptionsFile.h"
#include "common/TUserList.h"

namespace zendrova {

void upgradeStoredPasswords(AppState &state)
{
    if (PasswordHash::isOldForm(state.supervisorPassword)) {
        state.supervisorPassword = PasswordHash::make(state.supervisorPassword);
        SystemOptionsFile::write(state);
    }
    auto accounts = TUserList::loadAccounts(state.dataDirectory, state.programFolder);
    if (accounts && accounts->hasOldFormPasswords())
        accounts->saveAccounts(state.dataDirectory);
}

} // namespace zendrova
