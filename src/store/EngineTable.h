#pragma once

// The engine's table for code that also includes Qt: the engine names a member
// "slots", which Qt defines as a keyword macro.
#pragma push_macro("slots")
#undef slots
#include "dbase/KeyBuffer.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"
#pragma pop_macro("slots")
