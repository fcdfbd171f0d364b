// Start-up benchmark: the time from CreateProcess to a visible top-level window, for
// parcel-fee.exe against the minimal one-window program, interleaved round by round
// in one run. pf-startup-bench.exe BIN-FOLDER [ROUNDS]. Prints medians and their
// ratio; it asserts nothing.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include <algorithm>
#include <string>
#include <vector>

#include "check.h"
#include "target.h"

namespace {

struct Subject {
  const wchar_t* exe;
  const wchar_t* windowClass;
  std::vector<double> milliseconds;
};

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: returns the milliseconds until the window was visible, or -1.
double TimeOneStart(const std::wstring& exe, const wchar_t* windowClass) {
  e2e::Process process;
  double start = Now();
  if (!process.Start(exe)) return -1;
  HWND window = nullptr;
  double deadline = start + e2e::kStartWait;
  while (!(window = e2e::FindTopWindow(process.Id(), windowClass, true)) && Now() < deadline)
    Sleep(1);
  double elapsed = Now() - start;
  if (!window) return -1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = 0;
  process.WaitExit(e2e::kShortWait, code);
  return elapsed;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  e2e::OpenLog();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    e2e::Log("usage: pf-startup-bench.exe BIN-FOLDER [ROUNDS]");
    return e2e::Finish();
  }
  std::wstring bin = e2e::WindowsPath(argv[1]);
  int rounds = argc >= 3 ? std::max(1, _wtoi(argv[2])) : 9;
  Subject subjects[] = {{L"parcel-fee.exe", L"PfMainWindow", {}},
                        {L"pf-minimal-window.exe", L"PfMinimalWindow", {}}};

  for (Subject& s : subjects) TimeOneStart(bin + L"\\" + s.exe, s.windowClass);  // warm-up
  for (int round = 0; round < rounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      Subject& s = subjects[round % 2 ? 1 - i : i];
      double ms = TimeOneStart(bin + L"\\" + s.exe, s.windowClass);
      if (ms < 0) {
        e2e::Log("round %d: %ls showed no window", round + 1, s.exe);
        continue;
      }
      s.milliseconds.push_back(ms);
    }
    e2e::Log("round %d: parcel-fee %.1f ms, minimal %.1f ms", round + 1,
             subjects[0].milliseconds.empty() ? -1 : subjects[0].milliseconds.back(),
             subjects[1].milliseconds.empty() ? -1 : subjects[1].milliseconds.back());
  }
  double program = Median(subjects[0].milliseconds), minimal = Median(subjects[1].milliseconds);
  e2e::Log("start to visible window, median of %d rounds: parcel-fee.exe %.1f ms, minimal %.1f ms",
           rounds, program, minimal);
  e2e::Log("ratio parcel-fee / minimal: %.3f", minimal > 0 ? program / minimal : 0.0);
  return e2e::Finish();
}
