// The program's face as the driver sees it, and driving its boxes with real input.
#include "app_window.h"

#include "input.h"

namespace e2e {

const ControlFace kControls[kControlCount] = {
    {"\xB1\xEA\xC7\xA9"
     "7",
     0x0051, 245, 77, 88, 18, L"PfLabel", "Tavisko"},
    {"\xB1\xEA\xC7\xA9"
     "6",
     0x004C, 105, 78, 64, 16, L"PfLabel", "0"},
    {"\xB1\xEA\xC7\xA9"
     "5",
     0x004B, 16, 78, 80, 16, L"PfLabel",
     "\xD6\xD8\xC1\xBF\xA3\xA8\xB9\xAB\xBD\xEF\xA3\xA9\xA3\xBA"},
    {"\xB1\xEA\xC7\xA9"
     "4",
     0x0012, 264, 16, 64, 16, L"PfLabel", "\xD7\xDC\xB6\xEE\xA3\xA8\xD4\xAA\xA3\xA9"},
    {"\xB1\xEA\xC7\xA9"
     "3",
     0x0010, 187, 16, 64, 16, L"PfLabel", "\xCA\xD7\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9"},
    {"\xB1\xEA\xC7\xA9"
     "2",
     0x000F, 107, 16, 64, 16, L"PfLabel", "\xD0\xF8\xD6\xD8\xA3\xA8\xD4\xAA\xA3\xA9"},
    {"\xB1\xEA\xC7\xA9"
     "1",
     0x000E, 27, 16, 64, 16, L"PfLabel", "\xD6\xD8\xC1\xBF\xA3\xA8\xBD\xEF\xA3\xA9"},
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "4",
     0x0008, 256, 40, 70, 30, L"Edit", ""},
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "3",
     0x0004, 176, 40, 70, 30, L"Edit", "6"},
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "2",
     0x0003, 96, 40, 70, 30, L"Edit", "1.2"},
    {"\xB1\xE0\xBC\xAD\xBF\xF2"
     "1",
     0x0002, 16, 40, 70, 30, L"Edit", ""},
};

bool AppWindow::Launch(const std::wstring& exe, const std::wstring& arguments) {
  if (!process.Start(exe, arguments)) return false;
  main = WaitTopWindow(process.Id(), kMainClass, kStartWait);
  return main && BringToFront(main);
}

int AppWindow::FocusedBox() const {
  HWND focus = FocusOf(main);
  for (int n = 1; n <= 4; ++n)
    if (focus && focus == Box(n)) return n;
  return 0;
}

bool AppWindow::FocusBox(int n) {
  if (GetForegroundWindow() != main && !BringToFront(main)) return false;
  int current = FocusedBox();
  if (current == 0) return false;
  int forward = (n - current + 4) % 4;
  bool backwards = forward == 3;
  for (int step = 0; step < (backwards ? 1 : forward); ++step) {
    int next = backwards ? (current + 2) % 4 + 1 : current % 4 + 1;
    PressKey(VK_TAB, backwards ? kShift : kNoModifier);
    if (!WaitFor(kShortWait, [&] { return FocusedBox() == next; })) return false;
    current = next;
  }
  return current == n;
}

bool AppWindow::ClearFocused() {
  HWND box = Box(FocusedBox() ? FocusedBox() : 1);
  if (TextLength(box) == 0) return true;
  PressKey(VK_END);
  PressKey(VK_HOME, kShift);
  PressKey(VK_BACK);
  return WaitFor(kShortWait * 3, [&] { return TextLength(box) == 0; });
}

std::string AppWindow::SetBox(int n, const std::wstring& text, bool paste,
                              const std::string& expected) {
  if (!FocusBox(n)) return "<focus not in box " + std::to_string(n) + ">";
  if (!ClearFocused()) return "<box " + std::to_string(n) + " not emptied>";
  if (paste) {
    if (!PutOnClipboard(text)) return "<clipboard refused>";
    Paste();
  } else {
    TypeText(text);
  }
  return WaitText(Box(n), expected, kShortWait * 3);
}

bool AppWindow::Close(DWORD& exitCode) {
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
  return process.WaitExit(kShortWait, exitCode);
}

}  // namespace e2e
