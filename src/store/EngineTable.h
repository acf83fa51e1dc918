#pragma once

// The engine's table, key buffer and family operations, as the store uses them.
#include "dbase/KeyBuffer.h"
#include "dbase/Table.h"
#include "dbase/TableFamily.h"
