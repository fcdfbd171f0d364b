// The error box text for every combination of code and message, and the fatal end.
#include "app/fatal_error.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "app/end_hooks.h"

namespace {

#define HEADING "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"
#define CODE "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA"
#define MESSAGE "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"

struct BoxCase {
  const char* message;
  int32_t code;
  const char* text;
};

const BoxCase kBoxCases[] = {
    {"\xD4\xD8\xC8\xEB", 0, HEADING MESSAGE "\xD4\xD8\xC8\xEB\r\n"},
    {"", 0, HEADING},
    {nullptr, 0, HEADING},
    {nullptr, -5, HEADING CODE "-5\r\n\r\n"},
    {"x", 42, HEADING CODE "42\r\n\r\n" MESSAGE "x\r\n"},
};

TEST(FatalBoxText, ShowsTheCodeOnlyWhenNonZeroAndTheMessageOnlyWhenNotEmpty) {
  for (const BoxCase& c : kBoxCases)
    EXPECT_EQ(BuildFatalBoxText(c.message, c.code), c.text) << "code " << c.code;
}

TEST(ReportFatalErrorDeathTest, ShowsTheBoxAndExitsMinusOneWithoutRunningEndHooks) {
  EXPECT_EXIT(
      {
        RegisterEndHook([] { std::fputs("end hook ran", stderr); });
        ReportFatalError("boom", 0);
      },
      testing::ExitedWithCode(255), "^" HEADING MESSAGE "boom\r\n$");
}

TEST(EndProgramDeathTest, RunsTheEndHooksAndExitsWithTheGivenCode) {
  EXPECT_EXIT(
      {
        RegisterEndHook([] { std::fputs("hook", stderr); });
        EndProgram(3);
      },
      testing::ExitedWithCode(3), "^hook$");
}

}  // namespace
