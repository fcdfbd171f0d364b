// The process spine: start-up, and loading the start-up window.
#pragma once

#include <cstdint>

#include "ui/layout.h"

// Prepares the process, loads MainWindow, runs the event loop; always returns 0.
int32_t StartProgram();

// Builds the window hidden with events held back, raises Created (then events 3
// and 4), then shows it. A missing window or a failed build is fatal.
void LoadStartupWindow(const LayoutTable& table, uint32_t windowId);
