// Heap of pf-failing-heap.exe: serves normally until MainWindow has been shown,
// then fails every allocation.
#include <windows.h>

#include "app/process_heap.h"
#include "ui/window.h"

namespace {
BOOL CALLBACK FindShownMainWindow(HWND hwnd, LPARAM found) {
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  if (lstrcmpW(className, kMainWindowClass) == 0 && IsWindowVisible(hwnd)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool MainWindowShown() {
  bool found = false;
  EnumThreadWindows(GetCurrentThreadId(), FindShownMainWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void* AllocateUntilShown(size_t byteCount) {
  if (MainWindowShown()) return nullptr;
  return HeapAlloc(GetProcessHeap(), 0, byteCount == 0 ? 1 : byteCount);
}
void Release(void* block) { HeapFree(GetProcessHeap(), 0, block); }

constexpr HeapFunctions kFailingHeap = {AllocateUntilShown, Release};
}  // namespace

const HeapFunctions& ProgramHeap() { return kFailingHeap; }
