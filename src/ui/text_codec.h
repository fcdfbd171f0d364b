// Code page 936 bytes <-> UTF-16 at the boundary to the native windows. Valid code
// page 936 text comes back byte for byte; a character that code page 936 cannot
// hold becomes "?".
#pragma once

#include <string>

std::wstring WideFromCp936(const char* text);  // nullptr gives the empty string
std::string Cp936FromWide(const wchar_t* text, size_t length);
