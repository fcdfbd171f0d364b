// A count of routine runs shown in 标签7's caption.
#include "run_count.h"

#include <cstdio>

#include "ui/properties.h"

namespace {
int runs = 0;
}  // namespace

void CountRunInLabel7() {
  ++runs;
  char count[16];
  std::snprintf(count, sizeof count, "%d", runs);
  WriteProperty(kMainWindowId, kLabel7Id, kTextProperty, kWholeValue, count);
}
