// The label paints itself; the edit box is the system EDIT control subclassed for
// its text band, border hit test, input filter, focus events and change reports.
#include "ui/controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "ui/properties.h"
#include "ui/text_codec.h"

namespace {

constexpr UINT kChangeReportMessage = WM_APP + 1;
constexpr UINT_PTR kEditSubclassId = 1;
constexpr DWORD kLabelStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kEditStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kEditExStyle = WS_EX_CLIENTEDGE;

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HMENU DialogId(const ControlLayout& row) {
  return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(row.controlId & 0xFFFF));
}

COLORREF ColourRef(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  return Cp936FromWide(text.data(), static_cast<size_t>(got));
}

// Height of a text in a font, measured on the screen.
int TextHeight(HFONT font, const wchar_t* text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? font : DefaultFont());
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size.cy;
}

// ---- the label ----

struct Label : NativeText {
  HWND hwnd = nullptr;
  uint32_t windowId = 0, controlId = 0;
  COLORREF textColour = 0;

  std::string Read() const override { return WindowText(hwnd); }
  void Write(const char* text) override {
    SetWindowTextW(hwnd, WideFromCp936(text).c_str());
    InvalidateRect(hwnd, nullptr, FALSE);
  }
};

void PaintLabel(const Label& label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label.hwnd, &paint);
  RECT client, area;
  GetClientRect(label.hwnd, &client);
  if (IntersectRect(&area, &paint.rcPaint, &client)) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const int length = GetWindowTextLengthW(label.hwnd);
    if (length > 0) {
      std::wstring text(static_cast<size_t>(length) + 1, L'\0');
      const int got = GetWindowTextW(label.hwnd, text.data(), length + 1);
      HGDIOBJ oldFont = SelectObject(dc, DefaultFont());
      SetTextColor(dc, label.textColour);
      SetBkMode(dc, TRANSPARENT);
      HRGN clip = CreateRectRgnIndirect(&area);
      SelectClipRgn(dc, clip);
      DrawTextW(dc, text.c_str(), got, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
      SelectClipRgn(dc, nullptr);
      DeleteObject(clip);
      SelectObject(dc, oldFont);
    }
  }
  EndPaint(label.hwnd, &paint);
}

// The label being created, until its window adopts it at WM_NCCREATE.
Label* labelBeingCreated = nullptr;

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* label = reinterpret_cast<Label*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE: {
      label = labelBeingCreated;
      labelBeingCreated = nullptr;
      if (label == nullptr) return FALSE;
      label->hwnd = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole area itself
    case WM_PAINT:
      if (label != nullptr) {
        PaintLabel(*label);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      if (label != nullptr) {
        AttachNativeText(label->windowId, label->controlId, nullptr);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete label;
      }
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterLabelClass(HINSTANCE instance) {
  static const bool registered = RegisterProgramClass(instance, LabelProc, kLabelClass);
  return registered;
}

// ---- the edit box ----

struct EditBox : NativeText {
  HWND hwnd = nullptr;
  uint32_t windowId = 0, controlId = 0;
  int lineHeight = 0;  // height of "W" in the box's font

  std::string Read() const override { return WindowText(hwnd); }
  void Write(const char* text) override { SetWindowTextW(hwnd, WideFromCp936(text).c_str()); }
};

// The text band: one line high, centred in the space inside the edge.
void CentreTextBand(const EditBox& box, RECT& client) {
  const int innerHeight = client.bottom - client.top;
  if (box.lineHeight <= 0 || box.lineHeight >= innerHeight) return;
  client.top += (innerHeight - box.lineHeight) / 2;
  client.bottom = client.top + box.lineHeight;
}

// Fills the bands above and below the text area white; the edge is drawn after.
void PaintTextBands(HWND hwnd) {
  RECT window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  RECT inner = window;
  InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  const RECT above = {inner.left, inner.top, inner.right, client.top};
  const RECT below = {inner.left, client.bottom, inner.right, inner.bottom};
  HDC dc = GetWindowDC(hwnd);
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  if (above.bottom > above.top) FillRect(dc, &above, white);
  if (below.bottom > below.top) FillRect(dc, &below, white);
  ReleaseDC(hwnd, dc);
}

// Outside the text area but inside the box is the border: a click in a band places
// no caret. Judged from the geometry alone.
LRESULT HitTest(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  const POINT screen = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  RECT window;
  GetWindowRect(hwnd, &window);
  if (!PtInRect(&window, screen)) return HTNOWHERE;
  POINT point = screen;
  ScreenToClient(hwnd, &point);
  RECT client;
  GetClientRect(hwnd, &client);
  if (!PtInRect(&client, point)) return HTBORDER;
  return DefSubclassProc(hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
  auto* box = reinterpret_cast<EditBox*>(data);
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (!AcceptsTypedCharacter(wParam)) return 0;  // dropped without a sound
      break;
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
      // The default handling delivers the result as WM_IME_CHAR, through the filter.
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_NCCALCSIZE: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                            : *reinterpret_cast<RECT*>(lParam);
      CentreTextBand(*box, client);
      return result;
    }
    case WM_NCPAINT:
      PaintTextBands(hwnd);
      break;
    case WM_NCHITTEST:
      return HitTest(hwnd, wParam, lParam);
    case WM_SETFONT: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      box->lineHeight = TextHeight(reinterpret_cast<HFONT>(wParam), L"W");
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      RaiseEvent(box->windowId, box->controlId,
                 message == WM_SETFOCUS ? kFocusGainedEvent : kFocusLostEvent);
      return result;
    }
    case kChangeReportMessage:
      HandleChangeReport(box->windowId, box->controlId);
      return 0;
    case WM_NCDESTROY: {
      AttachNativeText(box->windowId, box->controlId, nullptr);
      RemoveWindowSubclass(hwnd, EditBoxProc, kEditSubclassId);
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      delete box;
      return result;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool AcceptsTypedCharacter(WPARAM code) {
  return code < 0x20 || (code >= '0' && code <= '9') || code == '-' || code == '.';
}

HWND CreateLabel(HWND parent, uint32_t windowId, const ControlLayout& row) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterLabelClass(instance)) return nullptr;
  auto* label = new Label;
  label->windowId = windowId;
  label->controlId = row.controlId;
  label->textColour = ColourRef(row.textColour);
  labelBeingCreated = label;
  HWND hwnd =
      CreateWindowExW(0, kLabelClass, WideFromCp936(row.initialText).c_str(), kLabelStyle, row.x,
                      row.y, row.width, row.height, parent, DialogId(row), instance, nullptr);
  if (hwnd == nullptr) {
    // Not adopted: the window never got as far as WM_NCCREATE. Otherwise WM_NCDESTROY
    // has released it.
    delete labelBeingCreated;
    labelBeingCreated = nullptr;
    return nullptr;
  }
  AttachNativeText(windowId, row.controlId, label);
  return hwnd;
}

HWND CreateEditBox(HWND parent, uint32_t windowId, const ControlLayout& row) {
  HWND hwnd = CreateWindowExW(kEditExStyle, L"EDIT", WideFromCp936(row.initialText).c_str(),
                              kEditStyle, row.x, row.y, row.width, row.height, parent,
                              DialogId(row), GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  auto* box = new EditBox;
  box->hwnd = hwnd;
  box->windowId = windowId;
  box->controlId = row.controlId;
  if (!SetWindowSubclass(hwnd, EditBoxProc, kEditSubclassId, reinterpret_cast<DWORD_PTR>(box))) {
    delete box;
    DestroyWindow(hwnd);
    return nullptr;
  }
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
  // At least one line of the font (a full-width character) plus the edge above and below.
  const int minimumHeight = TextHeight(DefaultFont(), L"\x4E2D") + 2 * GetSystemMetrics(SM_CYEDGE);
  if (row.height < minimumHeight)
    SetWindowPos(hwnd, nullptr, 0, 0, row.width, minimumHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // the platform's maximum, not 30,000
  SendMessageW(hwnd, EM_SETSEL, 0, 0);
  SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
  AttachNativeText(windowId, row.controlId, box);
  return hwnd;
}

void HandBackChangeReport(HWND editBox) { SendMessageW(editBox, kChangeReportMessage, 0, 0); }

bool RegisterProgramClass(HINSTANCE instance, WNDPROC proc, const wchar_t* name) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof cls;
  cls.style = kClassStyle;
  cls.lpfnWndProc = proc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  cls.lpszClassName = name;
  return RegisterClassExW(&cls) != 0;
}
