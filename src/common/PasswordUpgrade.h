#pragma once

namespace zendrova {

class AppState;

// After a login: the system options file and "users.lst" still holding a
// password in its old, readable form are rewritten with hashes at once (the
// options would otherwise wait for the end of the run). Failures to write are
// silent; the next write tries again.
void upgradeStoredPasswords(AppState &state);

} // namespace zendrova
