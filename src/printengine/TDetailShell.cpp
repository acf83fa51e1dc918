#include "printengine/TDetailShell.h"

namespace zendrova::print {

void TDetailShell::RunJob(TBaseReport &engine)
{
    if (OnBodyBefore)
        OnBodyBefore(engine);
    // A row is the first of its page when it starts on another page than the row before.
    int previousPage = 0;
    for (;;) {
        const int page = engine.CurrentPage();
        if (OnRowPrint)
            OnRowPrint(engine, page != previousPage);
        previousPage = page;
        if (!OnRowAfter || !OnRowAfter(engine) || engine.JobCancelled())
            break;
    }
    if (OnBodyAfter)
        OnBodyAfter(engine);
}

} // namespace zendrova::print
