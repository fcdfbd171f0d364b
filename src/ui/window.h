// MainWindow: building it from its layout, showing it, keyboard navigation and
// focus, and its Created routine.
#pragma once

#include <windows.h>

#include "ui/layout.h"

constexpr wchar_t kMainWindowClass[] = L"PfMainWindow";

// Creates the window hidden, centred, exactly its layout's outer size, always on
// top, with its icons, font and controls (hidden). nullptr when the window or a
// control cannot be created; whatever was built is destroyed again.
HWND BuildMainWindow(const WindowLayout& layout);
// Shows each control whose layout marks it visible, activating nothing.
void ShowControls(HWND window);
// Shows the window normal and active.
void ShowMainWindow(HWND window);

// The window's look at a key before the focused control sees it: Tab and
// Shift+Tab move between the tab stops. True when the key was taken.
bool HandleWindowKey(const MSG& message);

// Bound to the window's Created event: sets the caption "by：jvq".
void OnMainWindowCreated();
