// The floating-point mode of the whole run: 64-bit significand, round to nearest
// even, every exception masked.
#pragma once

void ResetFloatingPointMode();
