#pragma once
#include "printengine/TBaseReport.h"
#include <functional>

namespace zendrova::print {

// Row driver: one OnRowPrint per row. The caller starts new pages itself
// (RoomInLines, StartNextPage); the shell tells each row whether it is the
// first on its page.
class TDetailShell
{
public:
    std::function<void(TBaseReport &)> OnBodyBefore;
    std::function<void(TBaseReport &, bool firstOnPage)> OnRowPrint;
    // Whether another row follows.
    std::function<bool(TBaseReport &)> OnRowAfter;
    std::function<void(TBaseReport &)> OnBodyAfter;

    void RunJob(TBaseReport &engine);
};

} // namespace zendrova::print
