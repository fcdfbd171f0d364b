// The text blocks: what release leaves alone, what an exhausted heap reports.
#include "app/memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/constant_table.h"

namespace {

TEST(ReleaseMemory, LeavesTheNullTextAndTheConstantTableAlone) {
  SetConstantTableBounds(&constantTable, &constantTable + 1);
  const int64_t live = LiveBlockCount();
  ReleaseMemory(nullptr);
  ReleaseMemory(const_cast<char*>(constantTable.emptyText));
  ReleaseMemory(const_cast<double*>(&constantTable.oneKilogram));
  EXPECT_EQ(LiveBlockCount(), live);
}

TEST(NewText, GivesTheNullTextForNoCharactersAndAZeroTerminatedCopyOtherwise) {
  const int64_t live = LiveBlockCount();
  EXPECT_EQ(NewText("abc", 0), nullptr);
  char* text = NewText("\xB1\xEA\xC7\xA9", 4);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::memcmp(text, "\xB1\xEA\xC7\xA9", 5), 0);
  EXPECT_EQ(LiveBlockCount(), live + 1);
  ReleaseMemory(text);
  EXPECT_EQ(LiveBlockCount(), live);
}

void* FailingAllocate(size_t) {
  return nullptr;
}
void NoRelease(void*) {}

TEST(AllocateMemoryDeathTest, ReportsTheRequestedByteCountWhenTheHeapIsExhausted) {
  EXPECT_EXIT(
      {
        InstallHeap({FailingAllocate, NoRelease});
        AllocateMemory(4096);
      },
      testing::ExitedWithCode(255),
      "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA\xB7\xD6\xC5\xE4 4096 "
      "\xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
}

}  // namespace
