// The calculator's own rules for reading numbers out of texts and showing them:
// exact, locale-free, and never failing.
#pragma once

#include <cstdint>

// Reads the number at the start of a code page 936 text (full-width forms folded,
// trailing rubbish ignored). Text without a number reads as +0.0. Never nullptr.
double TextToNumber(const char* text);

// The text shown for a number: 13 significant digits, plain or exponent form.
// A new block from AllocateMemory, owned by the caller.
char* NumberToText(double value);

// Floor to a 32-bit whole number, a value a hair short of a whole number counting
// as that whole number.
int32_t FloorToInt(double value);
