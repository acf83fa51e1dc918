#pragma once

#include <cstdint>

namespace zendrova {

enum class PasswordMode : std::uint16_t { Required = 0, NotRequired = 1 };
enum class PublicAccessRights : std::uint16_t {
    AsSpecifiedInAccounts = 0,
    ReadAndWrite = 1,
    ReadOnly = 2,
    None = 3
};
enum class UsersCount : std::uint16_t { SingleUser = 0, MultiUser = 1 };

// The installation-wide choices of the system options file. The data directory
// and the supervisor password it also holds live in the application state.
struct SystemOptions
{
    PasswordMode passwordMode = PasswordMode::NotRequired;
    PublicAccessRights publicAccessRights = PublicAccessRights::AsSpecifiedInAccounts;
    UsersCount usersCount = UsersCount::SingleUser;

    bool operator==(const SystemOptions &) const = default;
};

} // namespace zendrova
