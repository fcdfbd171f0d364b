// The driver's log and verdict.
#include "check.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace e2e {
namespace {

struct LogState {
  FILE* file = stdout;
  int checks = 0;
  int failures = 0;
};

LogState& State() {
  static LogState state;
  return state;
}

std::wstring Environment(const wchar_t* name) {
  wchar_t buffer[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
  return n > 0 && n < MAX_PATH * 2 ? std::wstring(buffer, n) : std::wstring();
}

}  // namespace

void OpenLog() {
  std::wstring path = Environment(L"PF_LOG_FILE");
  if (path.empty()) return;
  if (FILE* file = _wfopen(path.c_str(), L"ab")) State().file = file;
}

void Log(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vfprintf(State().file, format, args);
  va_end(args);
  fputc('\n', State().file);
  fflush(State().file);
}

void Step(const char* name) { Log("-- %s", name); }

std::string Show(const std::string& bytes) {
  std::string shown = "\"";
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      char escaped[8];
      snprintf(escaped, sizeof escaped, "\\x%02X", c);
      shown += escaped;
    }
  }
  if (shown.size() > 400) shown = shown.substr(0, 200) + "..." + shown.substr(shown.size() - 100);
  return shown + "\"";
}

std::string Show(long long value) { return std::to_string(value); }

std::string Show(unsigned long long value) {
  char text[40];
  snprintf(text, sizeof text, "%llu (0x%llX)", value, value);
  return text;
}

bool Report(bool ok, const char* file, int line, const char* what, const std::string& expected,
            const std::string& got) {
  ++State().checks;
  if (ok) return true;
  ++State().failures;
  const char* base = file;
  for (const char* p = file; *p; ++p)
    if (*p == '/' || *p == '\\') base = p + 1;
  Log("FAIL %s:%d: %s: expected %s, got %s", base, line, what, expected.c_str(), got.c_str());
  return false;
}

int CheckCount() { return State().checks; }
int FailureCount() { return State().failures; }

int Finish() {
  int code = State().failures == 0 ? 0 : 1;
  Log("%d checks, %d failed: %s", State().checks, State().failures, code == 0 ? "PASS" : "FAIL");
  std::wstring path = Environment(L"PF_RESULT_FILE");
  if (!path.empty()) {
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
      fprintf(file, "%d\n", code);
      fclose(file);
    }
  }
  return code;
}

}  // namespace e2e
