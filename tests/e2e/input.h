// Real input for the program under test: SendInput keystrokes and mouse clicks,
// the clipboard, and bringing a window to the foreground first.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Makes the window the foreground window and waits until it is.
bool BringToFront(HWND window);

// Types each character as a KEYEVENTF_UNICODE press and release.
void TypeText(const std::wstring& text);

enum Modifiers : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };
// Presses and releases a virtual key with the modifiers held down.
void PressKey(WORD virtualKey, unsigned modifiers = kNoModifier);

// Puts the text on the clipboard as CF_UNICODETEXT.
bool PutOnClipboard(const std::wstring& text);
// Ctrl+V.
void Paste();

// A left click at a point in screen coordinates.
void ClickAt(POINT point);

}  // namespace e2e
