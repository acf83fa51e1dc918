#pragma once

#include <functional>

namespace zendrova {

// Hooks of parts that do not exist yet are left empty: calling one does nothing.
inline void runHook(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

} // namespace zendrova
