// Helpers shared by the number tests: bit-exact comparison and owned result texts.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

#include "app/memory.h"
#include "fee/number_text.h"

inline uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

// NumberToText as a std::string, the block released right away.
inline std::string ShownText(double value) {
  char* text = NumberToText(value);
  std::string s = text == nullptr ? std::string() : std::string(text);
  ReleaseMemory(text);
  return s;
}
