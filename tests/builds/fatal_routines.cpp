// Routine table of pf-fatal-routine.exe: the first change of an input box counts
// into 标签7 and then raises a fatal error while the window is up.
#include "app/fatal_error.h"
#include "app/routine_table.h"
#include "run_count.h"
#include "ui/window.h"

namespace {
void CountRunThenFail() {
  CountRunInLabel7();
  ReportFatalError("test failure raised by a routine", 0);
}
}  // namespace

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated,
                                                        CountRunThenFail};
const Routine globalsInitializer = nullptr;
