// Decimal <-> binary conversion with a truncated 128-bit power-of-ten table. The product
// with the table entry brackets the exact value tightly; only when the rounding boundary
// lies inside that bracket does an exact big-integer comparison decide.
#include "fee/number_decimal.h"

#include <algorithm>
#include <bit>

#include "fee/number_bigint.h"
#include "fee/number_pow10_table.h"

namespace {

using u128 = unsigned __int128;

constexpr uint64_t kHiddenBit = uint64_t(1) << 52;
constexpr uint64_t kFractionMask = kHiddenBit - 1;
constexpr int kMinExponent2 = -1074;  // unit of the last place of the subnormals
constexpr int kExactPow10Max = 55;    // 5^55 < 2^128: table entries 10^0..10^55 are exact

// 10^0 .. 10^22: exactly representable as doubles.
constexpr double kExactDoublePow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 10^0 .. 10^19: the powers of ten in 64 bits.
constexpr uint64_t kPow10U64[] = {1u,
                                  10u,
                                  100u,
                                  1000u,
                                  10000u,
                                  100000u,
                                  1000000u,
                                  10000000u,
                                  100000000u,
                                  1000000000u,
                                  10000000000u,
                                  100000000000u,
                                  1000000000000u,
                                  10000000000000u,
                                  100000000000000u,
                                  1000000000000000u,
                                  10000000000000000u,
                                  100000000000000000u,
                                  1000000000000000000u,
                                  10000000000000000000u};

int CountLeadingZeros(u128 v) {
  uint64_t hi = uint64_t(v >> 64);
  return hi != 0 ? std::countl_zero(hi) : 64 + std::countl_zero(uint64_t(v));
}

u128 Pow10Wide(int n) {  // 10^n, n <= 38
  return n <= 19 ? u128(kPow10U64[n]) : u128(kPow10U64[19]) * Pow10Wide(n - 19);
}

// Decimal digits of v > 0: the estimate from the bit length is exact or one short.
int DigitCount(u128 v) {
  int bits = 128 - CountLeadingZeros(v);
  int n = (bits * 1233) >> 12;  // floor(bits * log10(2))
  return v >= Pow10Wide(n) ? n + 1 : n;
}

const Pow10Entry& Pow10(int q) { return kPow10Table[q - kPow10Low]; }
u128 Mantissa(const Pow10Entry& e) { return (u128(e.hi) << 64) | e.lo; }

// m * 2^k as a double; m < 2^53, and m >= 2^52 unless k is the subnormal exponent.
double Assemble(uint64_t m, int k, bool negative) {
  uint64_t bits;
  if (m >= kHiddenBit) {
    int biased = k + 1075;
    bits = biased >= 2047 ? uint64_t(2047) << 52 : (uint64_t(biased) << 52) | (m & kFractionMask);
  } else {
    bits = m;
  }
  if (negative) bits |= uint64_t(1) << 63;
  return std::bit_cast<double>(bits);
}

// An integer to the nearest double, ties to the smaller magnitude.
double IntegerToDouble(u128 n, bool negative) {
  int bits = 128 - CountLeadingZeros(n);
  if (bits <= 53) return Assemble(uint64_t(n) << (53 - bits), bits - 53, negative);
  int s = bits - 53;
  uint64_t m = uint64_t(n >> s);
  u128 rest = n & ((u128(1) << s) - 1);
  if (rest > (u128(1) << (s - 1))) ++m;
  if (m == 2 * kHiddenBit) {
    m = kHiddenBit;
    ++s;
  }
  return Assemble(m, s, negative);
}

// Full 256-bit product a * b, most significant word first in out[3].
void Multiply128(u128 a, u128 b, uint64_t out[4]) {
  uint64_t a0 = uint64_t(a), a1 = uint64_t(a >> 64), b0 = uint64_t(b), b1 = uint64_t(b >> 64);
  u128 p00 = u128(a0) * b0, p01 = u128(a0) * b1, p10 = u128(a1) * b0, p11 = u128(a1) * b1;
  u128 mid = (p00 >> 64) + uint64_t(p01) + uint64_t(p10);
  out[0] = uint64_t(p00);
  out[1] = uint64_t(mid);
  u128 high = p11 + (p01 >> 64) + (p10 >> 64) + (mid >> 64);
  out[2] = uint64_t(high);
  out[3] = uint64_t(high >> 64);
}

}  // namespace

double DecimalToDouble(u128 digits, int64_t exponent, bool negative) {
  if (digits == 0) return negative ? -0.0 : 0.0;
  if ((digits >> 64) == 0 && exponent >= -22 && exponent <= 19) {
    uint64_t d = uint64_t(digits);
    // Whole numbers d * 10^q < 2^128: the integer itself, rounded once.
    if (exponent >= 0) return IntegerToDouble(u128(d) * kPow10U64[exponent], negative);
    // d and 10^-q are exact doubles, so one IEEE division rounds correctly. It never
    // meets a tie: a quotient d / (2^-q 5^-q) with a finite binary expansion needs 5^-q to
    // divide d, and then it is d / 5^-q (< 2^53) times a power of two, exact.
    if (d <= (uint64_t(1) << 53)) {
      double value = double(d) / kExactDoublePow10[-exponent];
      return negative ? -value : value;
    }
  }
  // The value lies in [10^(magnitude - 1), 10^magnitude).
  int64_t magnitude = exponent + DigitCount(digits);
  if (magnitude > 309) return Assemble(kHiddenBit, 2000, negative);  // >= 1e309: infinity
  if (magnitude < -323) return negative ? -0.0 : 0.0;  // < 1e-324: below half the least subnormal
  int q = int(exponent);

  const Pow10Entry& power = Pow10(q);
  int shift = CountLeadingZeros(digits);
  uint64_t p[4];
  Multiply128(digits << shift, Mantissa(power), p);
  // value = exact product * 2^base; the computed product p is below the exact one by
  // less than 2^128 (nothing when the table entry is exact).
  int base = power.exp2 - shift;
  int top = (p[3] >> 63) != 0 ? 255 : 254;
  int k = std::max(top + base - 52, kMinExponent2);  // exponent of the result's last place
  int s = k - base;                                  // product bits below that place
  if (s > 256) return negative ? -0.0 : 0.0;         // below half the least subnormal
  uint64_t m = s == 256 ? 0 : p[3] >> (s - 192);
  u128 upper = (u128(p[3]) << 64) | p[2];
  u128 rest = s == 256 ? upper : upper & ((u128(1) << (s - 128)) - 1);  // remainder >> 128
  u128 half = u128(1) << (s - 129);
  bool lowNonZero = (p[1] | p[0]) != 0;
  bool above = rest > half || (rest == half && lowNonZero);
  bool up;
  if (above) {
    up = true;  // the exact remainder is at least the computed one
  } else if (q >= 0 && q <= kExactPow10Max) {
    up = false;  // exact product: at or below half, ties to the smaller magnitude
  } else if (rest + 1 < half) {
    up = false;  // even with the largest error the remainder stays below half
  } else {
    ScaledInteger value{digits, q, q};
    ScaledInteger midpoint{(u128(m) << 1) | 1, 0, k - 1};
    up = CompareScaled(value, midpoint) > 0;
  }
  if (up && ++m == 2 * kHiddenBit) {
    m = kHiddenBit;
    ++k;
  }
  return Assemble(m, k, negative);
}

Decimal17 RoundTo17Digits(double positive) {
  constexpr uint64_t kLow17 = 10000000000000000u;  // 10^16
  constexpr uint64_t kHigh17 = 10 * kLow17;
  uint64_t bits = std::bit_cast<uint64_t>(positive);
  int biased = int(bits >> 52);
  uint64_t m = biased == 0 ? bits & kFractionMask : (bits & kFractionMask) | kHiddenBit;
  int k = biased == 0 ? kMinExponent2 : biased - 1075;
  int shift = std::countl_zero(m);
  uint64_t mn = m << shift;
  int e2 = k - shift + 63;            // 2^e2 <= value < 2^(e2 + 1)
  int exponent = (e2 * 78913) >> 18;  // floor(e2 * log10(2)): the exponent or one less
  for (;;) {
    int p = 16 - exponent;  // scale so that 17 digits stand before the point
    const Pow10Entry& power = Pow10(p);
    u128 lowProduct = u128(mn) * power.lo;
    u128 highProduct = u128(mn) * power.hi + (lowProduct >> 64);
    // value * 10^p = product * 2^-s, product = highProduct:lowProduct (192 bits), computed
    // below the exact one by less than 2^64 (nothing when the entry is exact).
    int s = -(k - shift + power.exp2);
    uint64_t whole = uint64_t(highProduct >> (s - 64));
    if (whole >= kHigh17) {
      ++exponent;
      continue;
    }
    u128 rest = highProduct & ((u128(1) << (s - 64)) - 1);  // fraction >> 64
    u128 half = u128(1) << (s - 65);
    bool up;
    if (rest >= half) {
      up = true;  // half up; the exact fraction is at least the computed one
    } else if (p >= 0 && p <= kExactPow10Max) {
      up = false;
    } else if (rest + 1 < half) {
      up = false;
    } else {
      ScaledInteger value{m, p, k + p};
      ScaledInteger midpoint{(u128(whole) << 1) | 1, 0, -1};
      up = CompareScaled(value, midpoint) >= 0;
    }
    if (up && ++whole == kHigh17) {
      whole = kLow17;
      ++exponent;
    }
    return {whole, exponent};
  }
}
