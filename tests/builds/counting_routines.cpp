// Routine table of pf-counting.exe: TextChanged of the input boxes runs a routine
// that counts its runs and shows the count in 标签7, where a driver reads it.
#include <cstdio>

#include "app/routine_table.h"
#include "ui/window.h"

namespace {
int runs = 0;

void CountRun() {
  ++runs;
  char count[16];
  std::snprintf(count, sizeof count, "%d", runs);
  WriteProperty(kMainWindowId, kLabel7Id, kTextProperty, kWholeValue, count);
}
}  // namespace

const Routine routineTable[size_t(RoutineId::Count)] = {nullptr, OnMainWindowCreated, CountRun};
const Routine globalsInitializer = nullptr;
