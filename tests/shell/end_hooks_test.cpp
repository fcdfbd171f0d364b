// The end-hook list: registration order, no routine twice, dropped after a failure.
#include "app/end_hooks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string calls;
void HookA() {
  calls += 'a';
}
void HookB() {
  calls += 'b';
}

TEST(EndHooks, RunOnceInRegistrationOrderAndIgnoreARoutineAlreadyListed) {
  calls.clear();
  RegisterEndHook(HookA);
  RegisterEndHook(HookB);
  RegisterEndHook(HookA);
  EXPECT_EQ(EndHookCount(), 2);
  RunEndHooks();
  EXPECT_EQ(calls, "ab");
  RunEndHooks();
  EXPECT_EQ(calls, "ab") << "the list is emptied after it has run";
}

TEST(EndHooks, DroppedHooksNeverRun) {
  calls.clear();
  RegisterEndHook(HookA);
  DropEndHooks();
  RunEndHooks();
  EXPECT_EQ(calls, "");
}

}  // namespace
