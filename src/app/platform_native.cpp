// Platform services of the native (non-Windows) build: the box text goes to
// standard error, so death tests can match it.
#include <cstdio>
#include <cstdlib>

#include "app/platform.h"

void ShowFatalErrorBox(const char* boxText) {
  std::fputs(boxText, stderr);
  std::fflush(stderr);
}

void ExitProcessWith(int32_t exitCode) {
  std::_Exit(exitCode);
}
