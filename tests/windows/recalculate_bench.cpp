// Prints the cost of one recalculation through the real controls against the floor
// of the native calls it makes: five reads and two writes of the same controls'
// texts with no conversion or arithmetic. Measures only; asserts nothing on time.
#include <algorithm>
#include <cstdio>

#include "app/memory.h"
#include "fee/recalculate_fee.h"
#include "ui/properties.h"
#include "window_fixture.h"

namespace {

void ReadAndRelease(uint32_t controlId) {
  ReleaseMemory(ReadProperty(kMainWindowId, controlId, kTextProperty, kWholeValue));
}

void NativeCallsOnly() {
  ReadAndRelease(kEditBox1Id);
  ReadAndRelease(kEditBox1Id);
  ReadAndRelease(kEditBox1Id);
  ReadAndRelease(kEditBox2Id);
  ReadAndRelease(kEditBox3Id);
  WriteProperty(kMainWindowId, kEditBox4Id, kTextProperty, kWholeValue, "8.4");
  WriteProperty(kMainWindowId, kLabel6Id, kTextProperty, kWholeValue, "2.5");
}

double MicrosecondsPerCall(void (*call)(), int count) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < count; ++i) call();
  QueryPerformanceCounter(&end);
  return 1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / count;
}

TEST_F(MainWindowTest, RecalculationAgainstItsNativeCalls) {
  WriteProperty(kMainWindowId, kEditBox1Id, kTextProperty, kWholeValue, "4.0000003");
  double recalc[5], floor[5];
  for (int round = 0; round < 5; ++round) {  // interleaved, so both see the same machine
    floor[round] = MicrosecondsPerCall(NativeCallsOnly, 2000);
    recalc[round] = MicrosecondsPerCall(RecalculateFee, 2000);
  }
  std::sort(recalc, recalc + 5);
  std::sort(floor, floor + 5);
  std::printf("recalculation %.2f us, native calls alone %.2f us, ratio %.3f (median of 5)\n",
              recalc[2], floor[2], recalc[2] / floor[2]);
  EXPECT_EQ(PropertyText(kEditBox4Id), "8.4");
}

}  // namespace
