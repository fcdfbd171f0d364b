// BytesToText: counted bytes to a text, up to the first zero byte.
#include "ui/bytes_to_text.h"

#include <gtest/gtest.h>

#include <string>

#include "app/constant_table.h"
#include "app/memory.h"

namespace {

TEST(BytesToText, CopiesUpToTheCountOrTheFirstZeroByte) {
  struct Case {
    unsigned char bytes[6];
    const char* text;  // nullptr: the null text
  };
  const Case kCases[] = {
      {{3, 'a', 'b', 'c', 'd', 0}, "abc"},    {{4, 'a', 0, 'c', 'd', 0}, "a"},
      {{0, 'a', 'b', 0, 0, 0}, nullptr},      {{2, 0, 'b', 0, 0, 0}, nullptr},
      {{2, 0xA3, 0xBA, 0, 0, 0}, "\xA3\xBA"},  // bytes copied unchecked
  };
  const int64_t live = LiveBlockCount();
  for (const Case& c : kCases) {
    char* text = BytesToText(c.bytes);
    if (c.text == nullptr) {
      EXPECT_EQ(text, nullptr);
    } else {
      ASSERT_NE(text, nullptr);
      EXPECT_EQ(std::string(text), c.text);
    }
    ReleaseMemory(text);
  }
  EXPECT_EQ(LiveBlockCount(), live);
}

TEST(BytesToText, CaptionConstantGivesTheSevenCaptionBytes) {
  char* text = BytesToText(constantTable.captionBytes);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::string(text), "by\xA3\xBAjvq");
  ReleaseMemory(text);
}

}  // namespace
