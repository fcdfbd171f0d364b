// The window shell from outside: title, frame, placement, controls, input filter,
// paste, Tab navigation, focus across activation, closing, second copies.
#include <windows.h>

#include <string>

#include "app_window.h"
#include "check.h"
#include "input.h"
#include "scenarios.h"
#include "target.h"

namespace e2e {
namespace {

void CheckStartUpFace(AppWindow& app) {
  Step("start-up face");
  CHECK_EQ(std::string(kTitle), ReadText(app.main));

  RECT frame{};
  GetWindowRect(app.main, &frame);
  int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  CHECK_EQ(kWindowWidth, static_cast<int>(frame.right - frame.left));
  CHECK_EQ(kWindowHeight, static_cast<int>(frame.bottom - frame.top));
  CHECK_EQ((screenWidth - kWindowWidth) / 2, static_cast<int>(frame.left));
  CHECK_EQ((screenHeight - kWindowHeight) / 2, static_cast<int>(frame.top));

  LONG_PTR style = GetWindowLongPtrW(app.main, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(app.main, GWL_EXSTYLE);
  CHECK((exStyle & WS_EX_TOPMOST) != 0);
  CHECK((style & WS_MAXIMIZEBOX) == 0);
  CHECK((style & WS_THICKFRAME) == 0);
  CHECK((style & WS_MINIMIZEBOX) != 0);
  CHECK((style & WS_SYSMENU) != 0);
  CHECK((style & WS_CAPTION) == WS_CAPTION);

  // No edge or corner of the fixed frame offers sizing.
  LONG midX = (frame.left + frame.right) / 2, midY = (frame.top + frame.bottom) / 2;
  const POINT edges[] = {{frame.left, midY},       {frame.right - 1, midY},
                         {midX, frame.bottom - 1}, {frame.right - 1, frame.bottom - 1},
                         {frame.left, frame.top},  {midX, frame.top}};
  for (POINT p : edges) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutW(app.main, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y), SMTO_ABORTIFHUNG, 5000,
                        &hit);
    CHECK(!(hit >= HTLEFT && hit <= HTBOTTOMRIGHT));
  }

  // The system menu is process-local under Wine; where it can be read, check its items.
  if (HMENU menu = GetSystemMenu(app.main, FALSE)) {
    auto enabled = [&](UINT command) {
      UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
      return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
    };
    CHECK(enabled(SC_MOVE));
    CHECK(!enabled(SC_SIZE));
    CHECK(!enabled(SC_MAXIMIZE));
  } else {
    Log("   system menu not readable from another process; its items follow the style bits");
  }

  for (const ControlFace& face : kControls) {
    Log("   control 0x%04X", face.id);
    HWND control = app.Control(face.id);
    if (!CHECK(control != nullptr)) continue;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, app.main, reinterpret_cast<POINT*>(&r), 2);
    CHECK_EQ(face.x, static_cast<int>(r.left));
    CHECK_EQ(face.y, static_cast<int>(r.top));
    CHECK_EQ(face.width, static_cast<int>(r.right - r.left));
    CHECK_EQ(face.height, static_cast<int>(r.bottom - r.top));
    CHECK(ClassOf(control) == face.windowClass ||
          lstrcmpiW(ClassOf(control).c_str(), face.windowClass) == 0);
    CHECK(IsWindowVisible(control) != 0);
    CHECK_EQ(std::string(face.text), ReadText(control));
  }

  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));
  CHECK_EQ(1, app.FocusedBox());
  DWORD start = 99, end = 99;
  CHECK(Selection(app.Box(1), start, end));
  CHECK_EQ(0ul, start);
  CHECK_EQ(0ul, end);
}

void CheckInputFilter(AppWindow& app) {
  Step("typed a, space, + and full-width 5 change nothing; - and . are taken");
  // The rejected characters go first: once the "-" after them shows, they have been handled.
  for (int n = 1; n <= 4; ++n) {
    CHECK(app.FocusBox(n));
    std::string before = ReadText(app.Box(n));
    PressKey(VK_END);
    TypeText(L"a +\uFF15-");
    CHECK_EQ(before + "-", WaitText(app.Box(n), before + "-"));
  }
  CHECK(app.FocusBox(1));
  CHECK(app.ClearFocused());
  TypeText(L"-..");
  CHECK_EQ(std::string("-.."), WaitText(app.Box(1), "-.."));
  PressKey(VK_HOME);
  TypeText(L"-.");
  CHECK_EQ(std::string("-.-.."), WaitText(app.Box(1), "-.-.."));
  PressKey(VK_RIGHT);
  TypeText(L"-");
  CHECK_EQ(std::string("-.--.."), WaitText(app.Box(1), "-.--.."));

  Step("a paste of abc lands unfiltered");
  CHECK_EQ(std::string("abc"), app.SetBox(1, L"abc", true, "abc"));
}

void CheckTabCycle(AppWindow& app) {
  Step("Tab cycles the four boxes, Shift+Tab the other way, selecting nothing");
  CHECK(app.FocusBox(1));
  static const int kForward[] = {2, 3, 4, 1};
  static const int kBackward[] = {4, 3, 2, 1};
  for (bool backwards : {false, true}) {
    for (int expected : backwards ? kBackward : kForward) {
      PressKey(VK_TAB, backwards ? kShift : kNoModifier);
      int seen = 0;
      WaitFor(kShortWait, [&] { return (seen = app.FocusedBox()) == expected; });
      CHECK_EQ(expected, seen);
      DWORD start = 0, end = 1;
      CHECK(Selection(app.Box(expected), start, end));
      CHECK_EQ(start, end);
    }
  }
}

void CheckEscape(AppWindow& app) {
  Step("Esc does not close the window");
  CHECK(app.FocusBox(1));
  std::string before = ReadText(app.Box(1));
  PressKey(VK_END);
  PressKey(VK_ESCAPE);
  TypeText(L"7");
  CHECK_EQ(before + "7", WaitText(app.Box(1), before + "7"));
  CHECK(app.process.Running());
  CHECK(IsWindowVisible(app.main) != 0);
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

// A small window of the driver's own, to take the activation away.
HWND CreateOtherWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"PfDriverWindow";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"PfDriverWindow", L"driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                         200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
}

void CheckFocusComesBack(AppWindow& app, const Options& options) {
  Step("focus comes back to the box that had it after another window was active");
  CHECK(app.FocusBox(3));
  HWND other = CreateOtherWindow();
  CHECK(other != nullptr);
  CHECK(BringToFront(other));
  CHECK(BringToFront(app.main));
  int seen = 0;
  WaitFor(kShortWait, [&] { return (seen = app.FocusedBox()) == 3; });
  CHECK_EQ(3, seen);
  DestroyWindow(other);

  Step("a second copy, given arguments, runs beside the first");
  AppWindow second;
  CHECK(second.Launch(options.Exe(L"parcel-fee.exe"), L"--help /x 12 \"an argument\""));
  if (second.main) {
    CHECK(second.main != app.main);
    CHECK_EQ(std::string(kTitle), ReadText(second.main));
    CHECK_EQ(std::string("1.2"), ReadText(second.Box(2)));
    WaitFor(kShortWait, [&] { return second.FocusedBox() == 1; });
    CHECK_EQ(1, second.FocusedBox());
  }
  CHECK(app.process.Running());
  CHECK(BringToFront(app.main));
  WaitFor(kShortWait, [&] { return (seen = app.FocusedBox()) == 3; });
  CHECK_EQ(3, seen);

  Step("Alt+F4 ends the second copy with exit code 0");
  if (second.main && CHECK(BringToFront(second.main))) {
    PressKey(VK_F4, kAlt);
    DWORD code = 0;
    CHECK(second.process.WaitExit(kShortWait, code));
    CHECK_EQ(0ul, code);
  }
  CHECK(app.process.Running());
}

void CheckLongPaste(AppWindow& app) {
  Step("a 40,000-character paste lands whole and the window still answers");
  std::wstring digits;
  for (int i = 0; i < 40000; ++i) digits += static_cast<wchar_t>(L'0' + (i * 7 + 3) % 10);
  CHECK(app.FocusBox(1));
  CHECK(app.ClearFocused());
  CHECK(PutOnClipboard(digits));
  Paste();
  long length = 0;
  WaitFor(60000, [&] { return (length = TextLength(app.Box(1))) == 40000; });
  CHECK_EQ(40000l, length);
  CHECK(Answers(app.main));
  CHECK_EQ(std::string(digits.begin(), digits.end()), ReadText(app.Box(1)));
}

}  // namespace

void RunShellChecks(const Options& options) {
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"parcel-fee.exe")))) return;
  CheckStartUpFace(app);
  CheckInputFilter(app);
  CheckTabCycle(app);
  CheckEscape(app);
  CheckFocusComesBack(app, options);
  CheckLongPaste(app);

  Step("the close command ends the program with exit code 0");
  DWORD code = 0;
  CHECK(app.Close(code));
  CHECK_EQ(0ul, code);
}

}  // namespace e2e
