// The driver's log and checks: a failed check names file, line, what was checked,
// the expected and the seen value; the verdict goes to the result file last.
#pragma once

#include <string>

namespace e2e {

// Opens the log named by %PF_LOG_FILE% (standard output when unset).
void OpenLog();
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Marks the start of a group of checks in the log.
void Step(const char* name);

// Quoted bytes, with anything outside printable ASCII as \xNN.
std::string Show(const std::string& bytes);
inline std::string Show(const char* bytes) { return Show(std::string(bytes)); }
std::string Show(long long value);
std::string Show(unsigned long long value);
inline std::string Show(int value) { return Show(static_cast<long long>(value)); }
inline std::string Show(long value) { return Show(static_cast<long long>(value)); }
inline std::string Show(unsigned value) { return Show(static_cast<unsigned long long>(value)); }
inline std::string Show(unsigned long value) {
  return Show(static_cast<unsigned long long>(value));
}
inline std::string Show(bool value) { return value ? "true" : "false"; }

bool Report(bool ok, const char* file, int line, const char* what, const std::string& expected,
            const std::string& got);

template <class Expected, class Got>
bool CheckEqual(const char* file, int line, const char* what, const Expected& expected,
                const Got& got) {
  return Report(expected == got, file, line, what, Show(expected), Show(got));
}

int CheckCount();
int FailureCount();
// Logs the summary and writes the exit code (0 = every check passed) to %PF_RESULT_FILE%.
int Finish();

}  // namespace e2e

#define CHECK_EQ(expected, got) ::e2e::CheckEqual(__FILE__, __LINE__, #got, (expected), (got))
#define CHECK(condition) \
  ::e2e::Report(static_cast<bool>(condition), __FILE__, __LINE__, #condition, "true", "false")
