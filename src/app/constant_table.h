// The program's constant table: the constants its own routines use, in one block
// whose bounds ReleaseMemory knows, so that releasing one of them is harmless.
#pragma once

#include <cstdint>

struct ConstantTable {
  char emptyText[1];              // stands in for the null text read from an empty box
  unsigned char captionBytes[8];  // byte count, then the window caption's bytes
  double jinPerKilogram;          // 2.0
  double wholeKgTolerance;        // 0.0000001
  double oneKilogram;             // 1.0
};

extern const ConstantTable constantTable;
