// Screenshots of the running program: right after start-up, and after typing "5"
// into 编辑框1. Each is taken once the window has painted and the screen is still;
// a .crop file beside each gives the window's rectangle for cropping.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app_window.h"
#include "check.h"
#include "input.h"
#include "scenarios.h"
#include "screen_capture.h"
#include "target.h"

namespace e2e {
namespace {

// Waits until the window's face is on the screen (button face in the client area,
// white in 编辑框1) and two captures in a row agree, then saves the last one.
void SaveShot(AppWindow& app, const Options& options, const wchar_t* name) {
  Answers(app.main);
  RedrawWindow(app.main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT frame{}, box{};
  GetWindowRect(app.main, &frame);
  GetWindowRect(app.Box(1), &box);
  POINT face{box.right + 3, box.bottom + 2};  // between 编辑框1 and the label row
  POINT inside{box.left + 4, box.top + 4};    // in 编辑框1's upper band
  Capture last, current;
  bool still = WaitFor(kShortWait, [&] {
    if (!CaptureScreen(current)) return false;
    bool painted = current.PixelAt(face.x, face.y) == GetSysColor(COLOR_BTNFACE) &&
                   current.PixelAt(inside.x, inside.y) == RGB(255, 255, 255);
    bool same = painted && current == last;
    last = current;
    return same;
  });
  CHECK(still);
  std::wstring path = options.outFolder + L"\\" + name + L".bmp";
  CHECK(SaveBmp(current, path));
  std::wstring cropPath = options.outFolder + L"\\" + name + L".crop";
  if (FILE* crop = _wfopen(cropPath.c_str(), L"wb")) {
    fprintf(crop, "%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top,
            frame.left, frame.top);
    fclose(crop);
  }
  Log("   saved %ls", path.c_str());
}

}  // namespace

void RunScreenshots(const Options& options) {
  if (!CHECK(!options.outFolder.empty())) return;
  AppWindow app;
  if (!CHECK(app.Launch(options.Exe(L"parcel-fee.exe")))) return;
  CHECK(WaitFor(kShortWait, [&] { return app.FocusedBox() == 1; }));
  Step("right after start-up");
  SaveShot(app, options, L"startup");

  Step("after typing 5 into 编辑框1");
  TypeText(L"5");
  CHECK_EQ(std::string("5"), WaitText(app.Box(1), "5"));
  CHECK_EQ(std::string("8.4"), WaitText(app.Box(4), "8.4"));
  CHECK_EQ(std::string("2.5"), WaitText(app.Control(kLabel6Id), "2.5"));
  SaveShot(app, options, L"after-typing-5");

  DWORD code = 1;
  CHECK(app.Close(code));
  CHECK_EQ(0ul, code);
}

}  // namespace e2e
