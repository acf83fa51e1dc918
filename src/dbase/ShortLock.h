#pragma once

#include <functional>
#include <string>

namespace dbase {

// A lock others hold only while they write a record or a memo (the append lock
// of a table, the free-list lock of a memo file). Taking it rides out such a
// hold with a few short tries; a longer hold is reported as Locked. The lock is
// released when this object goes.
class ShortLock
{
public:
    ShortLock() = default;
    ShortLock(ShortLock &&other) noexcept;
    ShortLock &operator=(ShortLock &&other) noexcept;
    ShortLock(const ShortLock &) = delete;
    ShortLock &operator=(const ShortLock &) = delete;
    ~ShortLock();

    // `what` names the locked thing in the Locked error ("Table x.dbf").
    static ShortLock take(const std::function<bool()> &tryLock, std::function<void()> unlock,
                          const std::string &what);
    void release();

private:
    explicit ShortLock(std::function<void()> unlock) : m_unlock(std::move(unlock)) {}

    std::function<void()> m_unlock;
};

} // namespace dbase
