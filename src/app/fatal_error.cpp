// The fatal error path and the end of the process.
#include "app/fatal_error.h"

#include "app/end_hooks.h"
#include "app/platform.h"
#include "ui/properties.h"

namespace {
constexpr char kCrLf[] = "\r\n";
constexpr char kBoxHeading[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";   // 运行时出错!
constexpr char kCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";     // 错误代码：
constexpr char kMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";  // 错误信息：
}  // namespace

std::string BuildFatalBoxText(const char* message, int32_t errorCode) {
  std::string text = std::string(kBoxHeading) + kCrLf + kCrLf;
  if (errorCode != 0) text += kCodeLabel + std::to_string(errorCode) + kCrLf + kCrLf;
  if (message != nullptr && message[0] != 0) text += kMessageLabel + std::string(message) + kCrLf;
  return text;
}

void ReportFatalError(const char* message, int32_t errorCode) {
  // Held for good: no routine runs while the box is open or afterwards.
  HoldEvents();
  ShowFatalErrorBox(BuildFatalBoxText(message, errorCode).c_str());
  DropEndHooks();
  EndProgram(-1);
}

void EndProgram(int32_t exitCode) {
  HoldEvents();
  DiscardBindings();
  RunEndHooks();
  ExitProcessWith(exitCode);
}
