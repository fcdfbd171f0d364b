// SendInput keystrokes and clicks, and the clipboard.
#include "input.h"

#include <cstring>
#include <vector>

#include "target.h"

namespace e2e {
namespace {

INPUT Key(WORD virtualKey, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

bool IsExtended(WORD virtualKey) {
  switch (virtualKey) {
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_DELETE:
    case VK_INSERT:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    default:
      return false;
  }
}

void Send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitFor(kShortWait, [&] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

void PressKey(WORD virtualKey, unsigned modifiers) {
  static const struct {
    unsigned modifier;
    WORD key;
  } kModifierKeys[] = {{kShift, VK_SHIFT}, {kControl, VK_CONTROL}, {kAlt, VK_MENU}};
  std::vector<INPUT> inputs;
  for (const auto& m : kModifierKeys)
    if (modifiers & m.modifier) inputs.push_back(Key(m.key, 0, 0));
  DWORD extended = IsExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0;
  WORD scan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  inputs.push_back(Key(virtualKey, scan, extended));
  inputs.push_back(Key(virtualKey, scan, extended | KEYEVENTF_KEYUP));
  for (const auto& m : kModifierKeys)
    if (modifiers & m.modifier) inputs.push_back(Key(m.key, 0, KEYEVENTF_KEYUP));
  Send(inputs);
}

bool PutOnClipboard(const std::wstring& text) {
  if (!WaitFor(kShortWait, [] { return OpenClipboard(nullptr) != 0; })) return false;
  EmptyClipboard();
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool placed = false;
  if (block) {
    memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!placed) GlobalFree(block);
  }
  CloseClipboard();
  return placed;
}

void Paste() { PressKey('V', kControl); }

void ClickAt(POINT point) {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(point.x, 65535, width - 1);
    input.mi.dy = MulDiv(point.y, 65535, height - 1);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, inputs, sizeof(INPUT));
}

}  // namespace e2e
