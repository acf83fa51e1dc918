#pragma once

namespace zendrova {

// The one installed implementation of a replaceable service (the program's
// dialogs, or a test's script), falling back to a harmless default.
template <typename Service>
class InstalledService
{
public:
    explicit InstalledService(Service &fallback) : m_fallback(fallback), m_current(&fallback) {}

    Service &current() const { return *m_current; }
    // Returns the previous implementation; nullptr restores the default.
    Service *install(Service *replacement)
    {
        Service *previous = m_current;
        m_current = replacement ? replacement : &m_fallback;
        return previous;
    }

private:
    Service &m_fallback;
    Service *m_current;
};

} // namespace zendrova
