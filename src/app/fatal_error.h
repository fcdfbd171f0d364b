// Fatal failures: every failure of the program shows one error box and ends the
// process with exit code -1, without running the end hooks.
#pragma once

#include <cstdint>
#include <string>

// The text of the error box for a message (the caller's; may be nullptr) and a code.
std::string BuildFatalBoxText(const char* message, int32_t errorCode);

[[noreturn]] void ReportFatalError(const char* message, int32_t errorCode);

// Ends the process: events held for good, layout discarded, end hooks run, then exit.
[[noreturn]] void EndProgram(int32_t exitCode);
