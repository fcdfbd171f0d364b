// The end-to-end driver: pf-e2e.exe THEME BIN-FOLDER [OUT-FOLDER]. It runs inside
// Wine's virtual desktop, logs to %PF_LOG_FILE% and leaves its verdict in
// %PF_RESULT_FILE%.
// clang-format off
#include <windows.h>
#include <shellapi.h>  // needs windows.h first
// clang-format on

#include <string>

#include "check.h"
#include "scenarios.h"
#include "target.h"

namespace {

struct Theme {
  const wchar_t* name;
  void (*run)(const e2e::Options&);
};

constexpr Theme kThemes[] = {
    {L"shell", e2e::RunShellChecks},       {L"counting", e2e::RunCountingChecks},
    {L"fatal", e2e::RunFatalChecks},       {L"fee", e2e::RunFeeChecks},
    {L"screenshots", e2e::RunScreenshots},
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  e2e::OpenLog();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const Theme* theme = nullptr;
  for (const Theme& t : kThemes)
    if (argc >= 3 && std::wstring(argv[1]) == t.name) theme = &t;
  if (!theme) {
    e2e::Log("usage: pf-e2e.exe shell|counting|fatal|fee|screenshots BIN-FOLDER [OUT-FOLDER]");
    CHECK(theme != nullptr);
    return e2e::Finish();
  }
  e2e::Options options{e2e::WindowsPath(argv[2]), argc >= 4 ? e2e::WindowsPath(argv[3]) : L""};
  e2e::Log("theme %ls, programs in %ls, screen %dx%d", theme->name, options.binFolder.c_str(),
           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  theme->run(options);
  return e2e::Finish();
}
