// End hook of the test builds: appends "end" to the file named by PF_END_MARKER,
// or "end window-still-there" when a window of the program is still around.
#include <windows.h>

#include <cstdio>

#include "app/end_hooks.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace {
BOOL CALLBACK NoteProgramWindow(HWND hwnd, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  // Hidden helper windows of the system (IME and the like) do not count.
  if (IsWindowVisible(hwnd) || lstrcmpW(className, kMainWindowClass) == 0)
    *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}
}  // namespace

void OnProgramEnd() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"PF_END_MARKER", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  bool windowLeft = false;
  EnumWindows(NoteProgramWindow, reinterpret_cast<LPARAM>(&windowLeft));
  FILE* file = _wfopen(path, L"ab");
  if (file == nullptr) return;
  std::fputs(windowLeft ? "end window-still-there\n" : "end\n", file);
  std::fclose(file);
}
