// Exact conversions between decimal significands and doubles, the arithmetic core of
// TextToNumber and NumberToText.
#pragma once

#include <cstdint>

// The double nearest to digits * 10^exponent (digits <= 10^24), an exact halfway case
// going to the smaller magnitude; +-infinity above the finite range, +-0 or a subnormal
// below it. Any exponent is accepted.
double DecimalToDouble(unsigned __int128 digits, int64_t exponent, bool negative);

// The exact value of a finite positive double rounded half up to 17 significant digits:
// value ~ digits * 10^(exponent - 16), 10^16 <= digits < 10^17.
struct Decimal17 {
  uint64_t digits;
  int exponent;
};
Decimal17 RoundTo17Digits(double positive);
