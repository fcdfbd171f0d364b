// The window's two kinds of controls: the self-painted label (class PfLabel) and
// the edit box (an EDIT control with its edge, centred text band and input filter).
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/layout.h"

// The class style of the window's class and the label's: whole redraw on resize,
// double-clicks reported.
constexpr UINT kClassStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
constexpr wchar_t kLabelClass[] = L"PfLabel";

// Registers one of the program's own classes: kClassStyle, arrow pointer, and no
// background brush, since the window and the labels paint their own background.
bool RegisterProgramClass(HINSTANCE instance, WNDPROC proc, const wchar_t* name);

// Each creates the control hidden at its place with its initial text and attaches
// it to the property layer; nullptr when the native window cannot be created.
HWND CreateLabel(HWND parent, uint32_t windowId, const ControlLayout& row);
HWND CreateEditBox(HWND parent, uint32_t windowId, const ControlLayout& row);

// Hands a change report that the parent received back to the box that sent it.
void HandBackChangeReport(HWND editBox);

// Whether the edit boxes take a typed character (a WM_CHAR code).
bool AcceptsTypedCharacter(WPARAM code);
