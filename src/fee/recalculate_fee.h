// RecalculateFee, the calculator's fee rule, and the program-wide values it keeps.
// Bound to TextChanged of 编辑框1 to 编辑框3: it reads the weight in jin and both
// prices, and writes the total into 编辑框4 and the weight in kilograms into 标签6.
#pragma once

#include <cstdint>

extern int32_t wholeKg;  // whole kilograms of the weight
extern double weightKg;  // the weight in kilograms
extern int32_t extraKg;  // charged kilograms beyond the first

// Leaves the three values at zero, as they are at start.
void InitializeGlobals();

void RecalculateFee();
