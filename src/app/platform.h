// The few platform services the portable shell needs. The Windows build shows the
// real message box and exits through the system; the native build writes the box
// text to standard error, so death tests can read it.
#pragma once

#include <cstdint>

// Shows the modal error box (title "错误", OK, stop icon, no owner) and waits for OK.
void ShowFatalErrorBox(const char* boxText);

// Ends the process at once with the given code; no further message is processed.
[[noreturn]] void ExitProcessWith(int32_t exitCode);
