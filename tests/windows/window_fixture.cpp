// The MainWindow fixture; the routine table comes from the test program.
#include "window_fixture.h"

#include "app/constant_table.h"
#include "app/memory.h"
#include "app/process_heap.h"
#include "app/routine_table.h"
#include "app/start_program.h"
#include "ui/properties.h"
#include "ui/text_codec.h"
#include "ui/window.h"

namespace {
BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM found) {
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  if (lstrcmpW(className, kMainWindowClass) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}
}  // namespace

void MainWindowTest::SetUp() {
  InstallHeap(ProgramHeap());
  SetConstantTableBounds(&constantTable, &constantTable + 1);
  const LayoutTable* table = ReadLayoutTable();
  ASSERT_NE(table, nullptr);
  const WindowLayout* main = FindWindowLayout(*table, kMainWindowId);
  ASSERT_NE(main, nullptr);
  controls_.assign(main->controls, main->controls + main->controlCount);
  controls_[0].visible = false;  // built and raised as usual, never shown
  hiddenWindow_ = *main;
  hiddenWindow_.controls = controls_.data();
  hiddenTable_ = {&hiddenWindow_, 1};
  // The copied entries share the layout's binding lists, so they resolve alike.
  ResolveBindings(*table, routineTable);
  textChangedRuns = 0;
  LoadStartupWindow(hiddenTable_, kMainWindowId);
  EnumThreadWindows(GetCurrentThreadId(), FindMainWindow, reinterpret_cast<LPARAM>(&window));
  ASSERT_NE(window, nullptr);
}

void MainWindowTest::TearDown() {
  if (window != nullptr) DestroyWindow(window);
  EXPECT_FALSE(IsWindowLoaded(kMainWindowId)) << "the window leaves the loaded windows";
}

std::string MainWindowTest::NativeText(HWND control) {
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return Cp936FromWide(text.data(), static_cast<size_t>(got));
}

std::string MainWindowTest::PropertyText(uint32_t controlId) {
  char* text = ReadProperty(kMainWindowId, controlId, kTextProperty, kWholeValue);
  std::string bytes = text ? text : "";
  ReleaseMemory(text);
  return bytes;
}
