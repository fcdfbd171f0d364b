// A MainWindow built by LoadStartupWindow from the program's layout, with the
// window entry marked hidden so that nothing is shown, and TextChanged of the input
// boxes bound to a counting routine.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/layout.h"

extern int textChangedRuns;

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Control(uint32_t controlId) const { return GetDlgItem(window, controlId & 0xFFFF); }
  // The control's text as code page 936 bytes, read with the wide WM_GETTEXT.
  static std::string NativeText(HWND control);
  // The text of a control through ReadProperty, released again.
  static std::string PropertyText(uint32_t controlId);

  HWND window = nullptr;

 private:
  std::vector<ControlLayout> controls_;
  WindowLayout hiddenWindow_{};
  LayoutTable hiddenTable_{};
};
