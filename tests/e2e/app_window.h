// What the driver knows of the program's face (window classes, the controls' dialog
// ids, places, sizes and first texts) and how it drives the window's boxes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "target.h"

namespace e2e {

struct ControlFace {
  const char* name;
  uint16_t id;  // low 16 bits of the control id
  int x, y, width, height;
  const wchar_t* windowClass;
  const char* text;  // code page 936
};

constexpr int kControlCount = 11;
extern const ControlFace kControls[kControlCount];

constexpr const wchar_t* kMainClass = L"PfMainWindow";
constexpr uint16_t kBoxIds[4] = {0x0002, 0x0003, 0x0004, 0x0008};  // 编辑框1 to 编辑框4
constexpr uint16_t kLabel6Id = 0x004C;
constexpr uint16_t kLabel7Id = 0x0051;
constexpr int kWindowWidth = 350, kWindowHeight = 129;
constexpr char kTitle[] = "by\xA3\xBAjvq";

// One running copy of a program with the main window.
class AppWindow {
 public:
  // Starts the program, waits for its visible main window and brings it to the front.
  bool Launch(const std::wstring& exe, const std::wstring& arguments = L"");

  HWND Box(int n) const { return GetDlgItem(main, kBoxIds[n - 1]); }  // n = 1..4
  HWND Control(uint16_t id) const { return GetDlgItem(main, id); }
  // The box (1..4) with the keyboard focus, or 0.
  int FocusedBox() const;
  // Moves the focus to box n with Tab or Shift+Tab, one box at a time.
  bool FocusBox(int n);
  // Empties the focused box with End, Shift+Home and Back.
  bool ClearFocused();
  // Focuses box n, empties it, types or pastes the text; returns the box's text
  // once it equals expected or the wait is over.
  std::string SetBox(int n, const std::wstring& text, bool paste, const std::string& expected);
  // Closes the window through its system menu command and waits for the exit.
  bool Close(DWORD& exitCode);

  Process process;
  HWND main = nullptr;
};

}  // namespace e2e
