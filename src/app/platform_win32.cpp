// Platform services of the Windows build: the real error box and process exit.
#include <windows.h>

#include "app/platform.h"
#include "ui/text_codec.h"

namespace {
constexpr char kBoxTitle[] = "\xB4\xED\xCE\xF3";  // 错误
}

void ShowFatalErrorBox(const char* boxText) {
  // No owner window: MainWindow stays enabled, and no event runs meanwhile.
  MessageBoxW(nullptr, WideFromCp936(boxText).c_str(), WideFromCp936(kBoxTitle).c_str(),
              MB_OK | MB_ICONERROR);
}

void ExitProcessWith(int32_t exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }
