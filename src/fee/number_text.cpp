// Placeholder until the number rules land.
#include "fee/number_text.h"

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "app/memory.h"

double TextToNumber(const char* text) { return std::strtod(text, nullptr); }
char* NumberToText(double value) {
  char buffer[64];
  int n = std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return NewText(buffer, size_t(n));
}
int32_t FloorToInt(double value) { return int32_t(std::floor(value)); }
