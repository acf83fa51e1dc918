#include "mainwin/CardRelease.h"

#include "common/WaitCursor.h"

#include <utility>

namespace zendrova {

CardRelease::CardRelease(Steps steps)
    : m_steps(std::move(steps))
{ }

bool CardRelease::run(const std::function<void()> &work)
{
    if (!release())
        return false;
    finish(work);
    return true;
}

bool CardRelease::release()
{
    m_released = !m_steps.release || m_steps.release();
    return m_released;
}

void CardRelease::finish(const std::function<void()> &work)
{
    if (!m_released)
        return;
    m_released = false;
    // No guard object reopens the card: a reopen that fails while an error is
    // on its way must not end the program from a destructor.
    try {
        {
            const WaitCursor hourglass;
            if (work)
                work();
        }
        if (m_steps.sortChanged)
            m_steps.sortChanged();
    } catch (...) {
        if (m_steps.reopen)
            m_steps.reopen();
        throw;
    }
    if (m_steps.reopen)
        m_steps.reopen();
}

} // namespace zendrova
