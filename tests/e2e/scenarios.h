// The driver's themes; each runs its checks against the programs in the bin folder.
#pragma once

#include <string>

namespace e2e {

struct Options {
  std::wstring binFolder;  // Windows path of build/windows/bin
  std::wstring outFolder;  // Windows path for screenshots
  std::wstring Exe(const wchar_t* name) const { return binFolder + L"\\" + name; }
};

void RunShellChecks(const Options& options);
void RunCountingChecks(const Options& options);
void RunFatalChecks(const Options& options);
void RunFeeChecks(const Options& options);
void RunScreenshots(const Options& options);

}  // namespace e2e
