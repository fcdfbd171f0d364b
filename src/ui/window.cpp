// MainWindow: the frame, the title-bar rule, painting, focus memory, Tab
// navigation and change reports handed back to the boxes.
#include "ui/window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/constant_table.h"
#include "app/memory.h"
#include "app/message_loop.h"
#include "ui/bytes_to_text.h"
#include "ui/controls.h"
#include "ui/placement.h"
#include "ui/properties.h"
#include "ui/text_codec.h"

namespace {

constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;
constexpr DWORD kTitleBarBits = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The frame bits that the layout and the caption call for.
DWORD TitleBarStyle(const WindowLayout& layout, bool captionEmpty) {
  DWORD style = 0;
  if (layout.fixedFrame) {
    const bool titleBar = !captionEmpty || layout.controlBox;
    style |= titleBar ? WS_CAPTION : WS_DLGFRAME;
    if (layout.controlBox) style |= WS_SYSMENU;
  }
  if (layout.minimiseBox) style |= WS_MINIMIZEBOX;
  if (layout.maximiseBox) style |= WS_MAXIMIZEBOX;
  return style;
}

// Changes the style, and redraws the frame, only where the rule's result differs.
void ApplyTitleBarRule(HWND hwnd, const WindowLayout& layout) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  const DWORD wanted = TitleBarStyle(layout, GetWindowTextLengthW(hwnd) == 0);
  if ((style & (kTitleBarBits | WS_DLGFRAME)) == wanted) return;
  SetWindowLongPtrW(hwnd, GWL_STYLE, (style & ~(kTitleBarBits | WS_DLGFRAME)) | wanted);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window's Caption as the property layer sees it.
struct WindowCaption : NativeText {
  HWND hwnd = nullptr;
  const WindowLayout* layout = nullptr;

  std::string Read() const override {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), length + 1);
    return Cp936FromWide(text.data(), static_cast<size_t>(std::max(got, 0)));
  }
  void Write(const char* text) override {
    SetWindowTextW(hwnd, WideFromCp936(text).c_str());
    ApplyTitleBarRule(hwnd, *layout);
  }
};

struct MainWindowState {
  const WindowLayout* layout = nullptr;
  HWND hwnd = nullptr;
  bool* adopted = nullptr;      // set at WM_NCCREATE: the window owns the state from then
  std::vector<HWND> controls;   // in creation order: last layout row first
  std::vector<int> layoutRows;  // controls[i] is built from layout row layoutRows[i]
  HWND rememberedFocus = nullptr;
  HFONT font = nullptr;
  HICON largeIcon = nullptr, smallIcon = nullptr;
  WindowCaption caption;
};

MainWindowState* StateOf(HWND hwnd) {
  return reinterpret_cast<MainWindowState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool IsTabStop(HWND control) {
  return IsWindowVisible(control) && IsWindowEnabled(control) &&
         (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP);
}

// The controls in tab order: ascending tab-order value, equal values in creation order.
std::vector<HWND> TabOrder(const MainWindowState& state) {
  std::vector<size_t> order(state.controls.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return state.layout->controls[state.layoutRows[a]].tabOrder <
           state.layout->controls[state.layoutRows[b]].tabOrder;
  });
  std::vector<HWND> controls;
  for (size_t i : order) controls.push_back(state.controls[i]);
  return controls;
}

HWND FirstTabStop(const MainWindowState& state) {
  for (HWND control : TabOrder(state))
    if (IsTabStop(control)) return control;
  return nullptr;
}

// The tab stop after (or before) the focused control, wrapping round.
HWND NextTabStop(const MainWindowState& state, HWND focused, bool backwards) {
  const std::vector<HWND> order = TabOrder(state);
  const auto at = std::find(order.begin(), order.end(), focused);
  if (at == order.end()) return nullptr;
  const size_t count = order.size();
  size_t index = static_cast<size_t>(at - order.begin());
  for (size_t step = 1; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    if (IsTabStop(order[index])) return order[index];
  }
  return nullptr;
}

void FillWithButtonFace(HDC dc, const RECT& area) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindowState* state = StateOf(hwnd);
  switch (message) {
    case WM_NCCREATE: {
      state =
          static_cast<MainWindowState*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      state->hwnd = hwnd;
      state->caption.hwnd = hwnd;
      state->caption.layout = state->layout;
      *state->adopted = true;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      AddLoadedWindow(*state->layout);
      AttachNativeText(state->layout->windowId, kWindowEntryId, &state->caption);
      NoteProgramWindowCreated();
      break;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd, &client);
      FillWithButtonFace(reinterpret_cast<HDC>(wParam), client);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      FillWithButtonFace(dc, paint.rcPaint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state ? state->font : nullptr);
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
      if (state && LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused != nullptr && IsChild(hwnd, focused)) state->rememberedFocus = focused;
      }
      break;  // the default handling gives the window the focus on activation
    case WM_SETFOCUS:
      if (state) {
        HWND target = state->rememberedFocus;
        state->rememberedFocus = nullptr;
        if (target == nullptr || !IsWindow(target) || !IsChild(hwnd, target))
          target = FirstTabStop(*state);
        if (target != nullptr) SetFocus(target);
      }
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE && lParam != 0)
        HandBackChangeReport(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NCDESTROY:
      // The controls are gone by now, so their focus-lost events found the window.
      if (state) {
        RemoveLoadedWindow(state->layout->windowId);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (state->largeIcon) DestroyIcon(state->largeIcon);
        if (state->smallIcon) DestroyIcon(state->smallIcon);
        delete state;
        NoteProgramWindowDestroyed();
      }
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  static const bool registered = RegisterProgramClass(instance, MainWindowProc, kMainWindowClass);
  return registered;
}

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, 0));
}

HWND CreateControl(HWND window, const WindowLayout& layout, const ControlLayout& row) {
  switch (row.kind) {
    case ControlKind::EditBox:
      return CreateEditBox(window, layout.windowId, row);
    case ControlKind::Label:
      return CreateLabel(window, layout.windowId, row);
    case ControlKind::Window:
      break;
  }
  return nullptr;
}

}  // namespace

HWND BuildMainWindow(const WindowLayout& layout) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMainWindowClass(instance) || layout.controlCount < 1) return nullptr;
  const ControlLayout& entry = layout.controls[0];
  const Placement place = CentredPlacement(
      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), entry.width, entry.height);

  bool adopted = false;
  auto* state = new MainWindowState;
  state->layout = &layout;
  state->adopted = &adopted;
  const DWORD style = TitleBarStyle(layout, true) | WS_OVERLAPPED | WS_CLIPCHILDREN;
  HWND hwnd = CreateWindowExW(0, kMainWindowClass, L"", style, place.x, place.y, entry.width,
                              entry.height, nullptr, nullptr, instance, state);
  if (hwnd == nullptr) {
    if (!adopted) delete state;  // otherwise WM_NCDESTROY released it
    return nullptr;
  }
  state->adopted = nullptr;

  ApplyTitleBarRule(hwnd, layout);
  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != entry.width || outer.bottom - outer.top != entry.height)
    SetWindowPos(hwnd, nullptr, place.x, place.y, entry.width, entry.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  state->largeIcon = LoadProgramIcon(instance, kLargeIconSize);
  state->smallIcon = LoadProgramIcon(instance, kSmallIconSize);
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state->largeIcon));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state->smallIcon));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  // Created from the last row to the first, then stacked in row order.
  std::vector<HWND> byRow(static_cast<size_t>(layout.controlCount), nullptr);
  for (int32_t row = layout.controlCount - 1; row >= 1; --row) {
    HWND control = CreateControl(hwnd, layout, layout.controls[row]);
    if (control == nullptr) {
      DestroyWindow(hwnd);
      return nullptr;
    }
    byRow[static_cast<size_t>(row)] = control;
    state->controls.push_back(control);
    state->layoutRows.push_back(row);
  }
  HWND above = HWND_TOP;
  for (int32_t row = 1; row < layout.controlCount; ++row) {
    HWND control = byRow[static_cast<size_t>(row)];
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  return hwnd;
}

void ShowControls(HWND window) {
  MainWindowState* state = StateOf(window);
  if (state == nullptr) return;
  for (size_t i = 0; i < state->controls.size(); ++i)
    if (state->layout->controls[state->layoutRows[i]].visible)
      ShowWindow(state->controls[i], SW_SHOWNA);
}

void ShowMainWindow(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
}

bool HandleWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || message.hwnd == nullptr)
    return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  wchar_t className[32] = {};
  GetClassNameW(root, className, 32);
  if (std::wstring(className) != kMainWindowClass) return false;
  MainWindowState* state = StateOf(root);
  if (state == nullptr) return false;
  // Ctrl+Tab and Alt+Tab are not navigation; the box gets them as usual.
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND next = NextTabStop(*state, GetFocus(), GetKeyState(VK_SHIFT) < 0);
  // Moving the focus selects nothing in the box that receives it.
  if (next != nullptr) SetFocus(next);
  return true;
}

void OnMainWindowCreated() {
  char* caption = BytesToText(constantTable.captionBytes);
  WriteProperty(kMainWindowId, kWindowEntryId, kTextProperty, kWholeValue, caption);
  ReleaseMemory(caption);
}
