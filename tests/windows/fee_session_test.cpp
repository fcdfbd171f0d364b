// A long session of recalculations through the real controls leaks nothing: no
// live text block and flat committed memory after warm-up.
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include "app/memory.h"
#include "ui/properties.h"
#include "window_fixture.h"

namespace {

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;  // PrivateUsage reads 0 under Wine
}

const char* const kWeights[] = {"5", "", "1e10", "-3", "4.0000001", "1e400", "\xA3\xB1\xA3\xB0"};

void TypeWeight(int i) {
  WriteProperty(kMainWindowId, kEditBox1Id, kTextProperty, kWholeValue, kWeights[i % 7]);
}

TEST_F(MainWindowTest, AHundredThousandRecalculationsLeaveNoBlockAndFlatMemory) {
  for (int i = 0; i < 2000; ++i) TypeWeight(i);
  const int64_t live = LiveBlockCount();
  const SIZE_T committed = CommittedBytes();
  for (int i = 0; i < 100000; ++i) TypeWeight(i);
  EXPECT_EQ(LiveBlockCount(), live);
  const SIZE_T grown = CommittedBytes() > committed ? CommittedBytes() - committed : 0;
  EXPECT_LE(grown, SIZE_T(256 * 1024)) << "committed " << committed << " bytes after warm-up";
  TypeWeight(0);  // "5": the window still computes
  EXPECT_EQ(PropertyText(kEditBox4Id), "8.4");
  EXPECT_EQ(PropertyText(kLabel6Id), "2.5");
}

}  // namespace
