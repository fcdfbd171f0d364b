// StartProgram and LoadStartupWindow: the start-up steps in their fixed order.
#include "app/start_program.h"

#include <windows.h>

#include <string>

#include "app/constant_table.h"
#include "app/end_hooks.h"
#include "app/fatal_error.h"
#include "app/fpu_mode.h"
#include "app/memory.h"
#include "app/message_loop.h"
#include "app/process_heap.h"
#include "app/routine_table.h"
#include "ui/properties.h"
#include "ui/window.h"

namespace {
// "载入窗口模板数据段出错!"
constexpr char kLayoutUnreadable[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// "载入启动窗口失败"
constexpr char kStartupWindowFailed[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";

DWORD mainThreadId = 0;

// The full path of the program file, however long.
std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// Makes the program's folder the working directory; nothing reads a file later.
void EnterProgramFolder() {
  const std::wstring path = ProgramPath();
  const size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return;
  std::wstring folder = path.substr(0, slash);
  if (folder.empty() || folder.back() == L':') folder += L'\\';  // "C:" alone means C:'s cwd
  SetCurrentDirectoryW(folder.c_str());
}
}  // namespace

int32_t StartProgram() {
  InstallHeap(ProgramHeap());
  EnterProgramFolder();
  mainThreadId = GetCurrentThreadId();
  SetConstantTableBounds(&constantTable, &constantTable + 1);
  const LayoutTable* layout = ReadLayoutTable();
  if (layout == nullptr) ReportFatalError(kLayoutUnreadable, 0);
  ResolveBindings(*layout, routineTable);

  ResetFloatingPointMode();
  if (globalsInitializer != nullptr) globalsInitializer();
  RegisterEndHook(OnProgramEnd);
  LoadStartupWindow(*layout, kMainWindowId);
  RunMessageLoop();
  return 0;
}

void LoadStartupWindow(const LayoutTable& table, uint32_t windowId) {
  const WindowLayout* layout = FindWindowLayout(table, windowId);
  if (layout == nullptr) ReportFatalError(kStartupWindowFailed, 0);
  DispatchWaitingMessages();

  HoldEvents();
  HWND window = BuildMainWindow(*layout);
  if (window == nullptr) ReportFatalError(kStartupWindowFailed, 0);
  ShowControls(window);
  DispatchWaitingMessages();
  ReleaseEvents();

  RaiseEvent(windowId, kWindowEntryId, kCreatedEvent);
  if (IsWindow(window)) RaiseEvent(windowId, kWindowEntryId, 3);
  if (IsWindow(window)) RaiseEvent(windowId, kWindowEntryId, 4);
  if (IsWindow(window) && layout->controls[0].visible) ShowMainWindow(window);
}
