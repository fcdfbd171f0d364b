// The routines behind the layout's routine ids, and the routine that sets the
// program's global values at start. The only place that knows both ui/ and fee/;
// test builds link a table of their own.
#pragma once

#include <cstddef>

#include "ui/properties.h"

extern const Routine routineTable[size_t(RoutineId::Count)];
// Start-up step 3 (InitializeGlobals); may be nullptr.
extern const Routine globalsInitializer;
