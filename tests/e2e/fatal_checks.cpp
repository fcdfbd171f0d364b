// The fatal paths of the test builds: the error box's title and text, OK, exit code
// -1, no end hook; and no routine running while the box is open.
#include <windows.h>

#include <string>

#include "app_window.h"
#include "check.h"
#include "end_marker.h"
#include "input.h"
#include "scenarios.h"
#include "target.h"

namespace e2e {
namespace {

constexpr char kBoxTitle[] = "\xB4\xED\xCE\xF3";
constexpr char kBoxHead[] =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
constexpr char kNoStartupWindow[] =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
constexpr char kUnreadableLayout[] =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
constexpr char kTwoBytesFailed[] =
    "\xB7\xD6\xC5\xE4 2 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
constexpr int kBoxTextId = 0xFFFF;

// Waits for the error box of the process; notes whether a main window was visible
// meanwhile.
HWND WaitErrorBox(const Process& process, bool& mainWindowSeen) {
  HWND box = nullptr;
  WaitFor(kStartWait, [&] {
    if (FindTopWindow(process.Id(), kMainClass, true)) mainWindowSeen = true;
    return (box = FindTopWindow(process.Id(), L"#32770", true)) != nullptr;
  });
  return box;
}

// Checks the box's title and text, presses OK and checks the exit code -1.
void CheckBoxAndExit(Process& process, HWND box, const std::string& text, bool& mainWindowSeen) {
  if (!CHECK(box != nullptr)) return;
  CHECK_EQ(std::string(kBoxTitle), ReadText(box));
  CHECK_EQ(text, ReadText(GetDlgItem(box, kBoxTextId)));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  DWORD code = 0;
  WaitFor(kShortWait, [&] {
    if (FindTopWindow(process.Id(), kMainClass, true)) mainWindowSeen = true;
    return !process.Running();
  });
  CHECK(process.WaitExit(kShortWait, code));
  CHECK_EQ(0xFFFFFFFFul, code);
}

void CheckStartUpFailure(const Options& options, const wchar_t* exe, const char* message) {
  Process process;
  if (!CHECK(process.Start(options.Exe(exe)))) return;
  bool mainWindowSeen = false;
  HWND box = WaitErrorBox(process, mainWindowSeen);
  CheckBoxAndExit(process, box, std::string(kBoxHead) + message + "\r\n", mainWindowSeen);
  CHECK(!mainWindowSeen);
}

void CheckFailingHeap(const Options& options) {
  std::wstring marker = PrepareEndMarker(L"pf-failing-heap-end.txt");
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"pf-failing-heap.exe")))) return;
  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));
  TypeText(L"1");
  bool ignored = false;
  HWND box = WaitErrorBox(app.process, ignored);
  CheckBoxAndExit(app.process, box, std::string(kBoxHead) + kTwoBytesFailed + "\r\n", ignored);
  CHECK_EQ(std::string(""), ReadEndMarker(marker));
}

void CheckNoRoutineUnderTheBox(const Options& options) {
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"pf-fatal-routine.exe")))) return;
  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));
  TypeText(L"1");
  bool ignored = false;
  HWND box = WaitErrorBox(app.process, ignored);
  if (!CHECK(box != nullptr)) return;
  CHECK_EQ(std::string("1"), ReadText(app.Control(kLabel7Id)));
  std::string boxText = ReadText(GetDlgItem(box, kBoxTextId));
  CHECK_EQ(std::string(kBoxHead), boxText.substr(0, sizeof kBoxHead - 1));

  // Into 编辑框2 with a click: the box's own loop runs now, not the program's. The
  // click is tried again while activation is still settling, a few times at most.
  bool focused = false;
  for (int attempt = 0; attempt < 5 && !focused; ++attempt) {
    BringToFront(app.main);
    RECT r{};
    GetWindowRect(app.Box(2), &r);
    ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    focused = WaitFor(kShortWait / 5, [&] { return app.FocusedBox() == 2; });
  }
  CHECK(focused);
  PressKey(VK_END);
  TypeText(L"3");
  CHECK_EQ(std::string("1.23"), WaitText(app.Box(2), "1.23"));
  CHECK_EQ(std::string("1"), ReadText(app.Control(kLabel7Id)));
  CheckBoxAndExit(app.process, box, boxText, ignored);
}

}  // namespace

void RunFatalChecks(const Options& options) {
  Step("a layout without the main window: box, no window, exit -1");
  CheckStartUpFailure(options, L"pf-no-main-window.exe", kNoStartupWindow);
  Step("a layout table that cannot be read: box, exit -1");
  CheckStartUpFailure(options, L"pf-unreadable-layout.exe", kUnreadableLayout);
  Step("a failing allocation after start-up: box with the byte count, exit -1, no end hook");
  CheckFailingHeap(options);
  Step("while the box of a failure is open, typing runs no routine");
  CheckNoRoutineUnderTheBox(options);
}

}  // namespace e2e
