// Starting programs under test and reading their windows from outside.
#include "target.h"

#include <vector>

namespace e2e {

Process::~Process() {
  if (info_.hProcess) {
    if (Running()) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool Process::Start(const std::wstring& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_) != 0;
}

bool Process::WaitExit(int timeoutMs, DWORD& code) {
  code = STILL_ACTIVE;
  if (!info_.hProcess) return false;
  bool ended = WaitFor(timeoutMs, [&] { return !Running(); });
  GetExitCodeProcess(info_.hProcess, &code);
  return ended;
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring WindowsPath(const std::wstring& path) {
  if (path.empty() || path[0] != L'/') return path;
  std::wstring windows = L"Z:" + path;
  for (wchar_t& c : windows)
    if (c == L'/') c = L'\\';
  return windows;
}

bool WaitFor(int timeoutMs, const std::function<bool()>& condition) {
  ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (condition()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return condition();
}

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* windowClass;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
  if (ClassOf(window) != search->windowClass) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTopWindow(DWORD processId, const wchar_t* windowClass, bool visibleOnly) {
  WindowSearch search{processId, windowClass, visibleOnly, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitTopWindow(DWORD processId, const wchar_t* windowClass, int timeoutMs) {
  HWND found = nullptr;
  WaitFor(timeoutMs, [&] { return (found = FindTopWindow(processId, windowClass, true)); });
  return found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256];
  int n = GetClassNameW(window, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

long TextLength(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return -1;
  return static_cast<long>(length);
}

std::string ReadText(HWND window) {
  long length = TextLength(window);
  if (length <= 0) return {};
  std::vector<wchar_t> wide(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(wide.data()),
                           SMTO_ABORTIFHUNG, 5000, &copied))
    return "<no answer>";
  int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(copied), nullptr, 0, nullptr,
                              nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(copied), bytes.data(), n, nullptr,
                      nullptr);
  return bytes;
}

std::string WaitText(HWND window, const std::string& expected, int timeoutMs) {
  std::string seen;
  WaitFor(timeoutMs, [&] { return (seen = ReadText(window)) == expected; });
  return seen;
}

bool Answers(HWND window, int timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool Selection(HWND edit, DWORD& start, DWORD& end) {
  DWORD_PTR packed = 0;
  if (!SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed)) return false;
  start = LOWORD(packed);
  end = HIWORD(packed);
  return true;
}

}  // namespace e2e
