// Routine table of pf-counting.exe: TextChanged of the input boxes runs a routine
// that counts its runs and shows the count in 标签7, where a driver reads it.
#include "app/routine_table.h"
#include "run_count.h"
#include "ui/window.h"

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated,
                                                        CountRunInLabel7};
const Routine globalsInitializer = nullptr;
