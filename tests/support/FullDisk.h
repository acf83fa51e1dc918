#pragma once

#include <csignal>
#include <sys/resource.h>

namespace zendrova::test {

// While it lives, no file of this process can grow past a few bytes, as on a
// full disk: every rewrite of a settings or list file fails. Unlike a
// read-only folder this also holds for root. Keep it around the one call that
// should fail; output to a regular file fails with it. With more room, small
// files are still written and only a file growing past it fails.
class FullDisk
{
public:
    explicit FullDisk(rlim_t room = kRoom)
        : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit full = m_old;
        full.rlim_cur = room;
        m_active = setrlimit(RLIMIT_FSIZE, &full) == 0;
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool active() const { return m_active; }

private:
    // Less than the smallest list file (list begin and end).
    static constexpr rlim_t kRoom = 1;

    void (*m_oldHandler)(int);
    rlimit m_old {};
    bool m_active = false;
};

} // namespace zendrova::test
