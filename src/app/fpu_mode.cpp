// Writes the x87 control word and MXCSR directly: the runtime's _controlfp does not
// support precision control on x64.
#include "app/fpu_mode.h"

#include <xmmintrin.h>

#include <cstdint>

namespace {
// Exceptions masked (bits 0-5), precision 64-bit (bits 8-9 = 11), round to nearest.
constexpr uint16_t kX87ControlWord = 0x037F;
// Exceptions masked (bits 7-12), round to nearest, no flush to zero.
constexpr unsigned kMxcsr = 0x1F80;
}  // namespace

void ResetFloatingPointMode() {
  const uint16_t controlWord = kX87ControlWord;
  asm volatile("fldcw %0" : : "m"(controlWord));
  _mm_setcsr(kMxcsr);
}
