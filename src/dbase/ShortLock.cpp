#include "dbase/ShortLock.h"

#include "dbase/Error.h"

#include <chrono>
#include <thread>

namespace dbase {

namespace {

constexpr int kTries = 200;
constexpr auto kPause = std::chrono::milliseconds(1);

} // namespace

ShortLock::ShortLock(ShortLock &&other) noexcept : m_unlock(std::move(other.m_unlock))
{
    other.m_unlock = nullptr;
}

ShortLock &ShortLock::operator=(ShortLock &&other) noexcept
{
    if (this != &other) {
        release();
        m_unlock = std::move(other.m_unlock);
        other.m_unlock = nullptr;
    }
    return *this;
}

ShortLock::~ShortLock()
{
    release();
}

ShortLock ShortLock::take(const std::function<bool()> &tryLock, std::function<void()> unlock,
                          const std::string &what)
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (tryLock())
            return ShortLock(std::move(unlock));
        std::this_thread::sleep_for(kPause);
    }
    throw Error(ErrorKind::Locked, what + " is locked by another user");
}

void ShortLock::release()
{
    if (!m_unlock)
        return;
    const auto unlock = std::move(m_unlock);
    m_unlock = nullptr;
    unlock();
}

} // namespace dbase
