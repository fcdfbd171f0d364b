// The program's routine table.
#include "app/routine_table.h"

#include "fee/recalculate_fee.h"
#include "ui/window.h"

const Routine routineTable[size_t(RoutineId::Count)] = {
    /*None=*/nullptr,
    /*OnMainWindowCreated=*/OnMainWindowCreated,
    /*RecalculateFee=*/RecalculateFee,
};

const Routine globalsInitializer = InitializeGlobals;
