#pragma once

#include "mainwin/PlainCardValues.h"
#include "mainwin/RecordCycle.h"
#include "store/RecordStore.h"

namespace zendrova::test {

// A program instance: its store on the shared database and its card.
struct Instance
{
    explicit Instance(AppState &state)
        : store(state)
        , cycle(state, store, values)
    { }
    bool open() { return store.openDatabase() && cycle.open(); }

    RecordStore store;
    PlainCardValues values;
    RecordCycle cycle;
};

} // namespace zendrova::test
