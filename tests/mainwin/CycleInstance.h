#pragma once

#include "mainwin/HeldCardValues.h"
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
    HeldCardValues values;
    RecordCycle cycle;
};

} // namespace zendrova::test
