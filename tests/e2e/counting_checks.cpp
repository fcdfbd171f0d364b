// With the counting test build: which edits run the TextChanged routine (its count
// shows in 标签7), and that the end hook runs once, after the window has gone.
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

// Waits until box n shows the text and then reads the count: the routine runs inside
// the handling of the keystroke, so it has finished once the text shows.
void CheckStep(AppWindow& app, int n, const std::string& text, const std::string& count) {
  CHECK_EQ(text, WaitText(app.Box(n), text));
  CHECK_EQ(count, ReadText(app.Control(kLabel7Id)));
}

}  // namespace

void RunCountingChecks(const Options& options) {
  std::wstring marker = PrepareEndMarker(L"pf-counting-end.txt");
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"pf-counting.exe")))) return;

  Step("the initial texts run nothing");
  CHECK_EQ(std::string("Tavisko"), ReadText(app.Control(kLabel7Id)));
  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));

  Step("a typed digit counts one, a rejected character none");
  TypeText(L"1");
  CheckStep(app, 1, "1", "1");
  TypeText(L"a2");
  CheckStep(app, 1, "12", "2");

  Step("a paste of several characters counts one");
  CHECK(PutOnClipboard(L"345"));
  Paste();
  CheckStep(app, 1, "12345", "3");

  Step("a focus move counts nothing");
  CHECK(app.FocusBox(2));
  PressKey(VK_END);
  TypeText(L"9");
  CheckStep(app, 2, "1.29", "4");
  CHECK(app.FocusBox(1));
  CHECK_EQ(std::string("4"), ReadText(app.Control(kLabel7Id)));

  Step("each deletion counts one, the last character's too; one in an empty box none");
  PressKey(VK_END);
  static const char* const kLeft[] = {"1234", "123", "12", "1", ""};
  int count = 4;
  for (const char* left : kLeft) {
    PressKey(VK_BACK);
    CheckStep(app, 1, left, std::to_string(++count));
  }
  PressKey(VK_BACK);
  TypeText(L"7");
  CheckStep(app, 1, "7", std::to_string(++count));

  Step("closing runs the end hook once, after the window has gone");
  DWORD code = 1;
  CHECK(app.Close(code));
  CHECK_EQ(0ul, code);
  CHECK_EQ(std::string("end\n"), ReadEndMarker(marker));
}

}  // namespace e2e
