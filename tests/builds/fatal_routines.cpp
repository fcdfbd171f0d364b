// Routine table of pf-fatal-routine.exe: the first change of an input box counts
// into 标签7 and then raises a fatal error while the window is up.
#include <cstdio>

#include "app/fatal_error.h"
#include "app/routine_table.h"
#include "ui/window.h"

namespace {
int runs = 0;

void CountRunThenFail() {
  ++runs;
  char count[16];
  std::snprintf(count, sizeof count, "%d", runs);
  WriteProperty(kMainWindowId, kLabel7Id, kTextProperty, kWholeValue, count);
  ReportFatalError("test failure raised by a routine", 0);
}
}  // namespace

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated,
                                                        CountRunThenFail};
const Routine globalsInitializer = nullptr;
