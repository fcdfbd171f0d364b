// The end-hook list.
#include "app/end_hooks.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<EndHook>& Hooks() {
  static std::vector<EndHook> hooks;
  return hooks;
}
}  // namespace

void RegisterEndHook(EndHook hook) {
  auto& hooks = Hooks();
  if (std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

void RunEndHooks() {
  // Take the list first so that a hook registering another cannot disturb the walk.
  std::vector<EndHook> hooks;
  hooks.swap(Hooks());
  for (EndHook hook : hooks) hook();
}

void DropEndHooks() { Hooks().clear(); }

int EndHookCount() { return static_cast<int>(Hooks().size()); }
