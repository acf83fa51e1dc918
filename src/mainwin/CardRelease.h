#pragma once

#include <functional>

namespace zendrova {

// An operation that needs the record table while the card lets go of it (a
// new sort, a filter scope, applying a filter, a non-stop search): the card
// is left and its cursor closed, the work runs under the hourglass, the list,
// letters and sort button follow the table's new order and range, and the
// card cursor is opened again. Once the card has let go it is reopened on
// every path, also when the work or the refresh throws; the error then goes
// on to the caller.
class CardRelease
{
public:
    struct Steps
    {
        // Leaves the record and closes the card cursor; false when the user
        // stays on the record.
        std::function<bool()> release;
        // After the order or range of the record table changed.
        std::function<void()> sortChanged;
        // Opens the card cursor again on the first record of the list.
        std::function<void()> reopen;
    };

    explicit CardRelease(Steps steps);

    // The whole operation; false when the card could not be released, and
    // then nothing else ran.
    bool run(const std::function<void()> &work);

    // The same in two halves, for work that happens between two calls (a
    // non-stop search runs between its before and after hooks).
    bool release();
    bool released() const { return m_released; }
    // Nothing when the card was not released.
    void finish(const std::function<void()> &work);

private:
    Steps m_steps;
    bool m_released = false;
};

} // namespace zendrova
