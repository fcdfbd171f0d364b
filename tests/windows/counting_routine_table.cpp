// Routine table of the shell tests: TextChanged of the input boxes counts its runs.
#include "app/routine_table.h"
#include "ui/window.h"
#include "window_fixture.h"

int textChangedRuns = 0;

namespace {
void CountTextChanged() { ++textChangedRuns; }
}  // namespace

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated,
                                                        CountTextChanged};
const Routine globalsInitializer = nullptr;
