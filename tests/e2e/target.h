// Starting a program under test and looking at it from outside: its top-level
// windows by process id and class, control texts read across processes, waits.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

constexpr int kShortWait = 10000;  // ms, for one keystroke or one message
constexpr int kStartWait = 30000;  // ms, for a program to show its window

// A started process; one that is still running when this goes is terminated.
class Process {
 public:
  Process() = default;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  // Starts exe with the given command-line tail; true when the process runs.
  bool Start(const std::wstring& exe, const std::wstring& arguments = L"");
  // Waits for the exit; false on timeout. The code is GetExitCodeProcess's.
  bool WaitExit(int timeoutMs, DWORD& code);
  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// "/a/b" (a host path) becomes "Z:\a\b"; a Windows path stays as it is.
std::wstring WindowsPath(const std::wstring& path);

// Polls the condition until it holds or the time is up, pumping the driver's own
// messages meanwhile; the last evaluation decides.
bool WaitFor(int timeoutMs, const std::function<bool()>& condition);

// A top-level window of the process with that class (and visible, if asked).
HWND FindTopWindow(DWORD processId, const wchar_t* windowClass, bool visibleOnly);
HWND WaitTopWindow(DWORD processId, const wchar_t* windowClass, int timeoutMs);

std::wstring ClassOf(HWND window);
// The window's text through the wide WM_GETTEXT, in code page 936 bytes.
std::string ReadText(HWND window);
// WM_GETTEXTLENGTH, or -1 when the window does not answer.
long TextLength(HWND window);
// Waits until the text equals expected; returns the last text seen.
std::string WaitText(HWND window, const std::string& expected, int timeoutMs = kShortWait);
// True when the window's thread handles a sent WM_NULL within the time.
bool Answers(HWND window, int timeoutMs = 5000);
// The window with the keyboard focus in the thread of the given window.
HWND FocusOf(HWND window);
// EM_GETSEL packed as start and end.
bool Selection(HWND edit, DWORD& start, DWORD& end);

}  // namespace e2e
