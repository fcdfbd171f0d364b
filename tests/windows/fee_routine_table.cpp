// Routine table of the fee session tests: the program's own routines.
#include "app/routine_table.h"
#include "fee/recalculate_fee.h"
#include "ui/window.h"
#include "window_fixture.h"

int textChangedRuns = 0;

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated,
                                                        RecalculateFee};
const Routine globalsInitializer = InitializeGlobals;
