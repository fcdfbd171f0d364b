// NumberToText and FloorToInt: the texts the calculator shows and its near-whole floor.
#include "fee/number_text.h"

#include <bit>
#include <cmath>

#include "app/memory.h"
#include "fee/number_decimal.h"

namespace {

constexpr int kShownDigits = 13;
constexpr int kPlainLow = -4;  // decimal exponents -4 .. 12 are shown without exponent
constexpr int kPlainHigh = 12;
constexpr uint64_t kSignBit = uint64_t(1) << 63;
constexpr uint64_t kQuietBit = uint64_t(1) << 51;
constexpr uint64_t kFractionMask = (uint64_t(1) << 52) - 1;
constexpr uint64_t kPow10_4 = 10000;
constexpr uint64_t kPow10_13 = 10000000000000u;
// 0.999999999999: a fraction beyond it counts as a whole step.
constexpr uint64_t kNearWholeBits = 0x3FEFFFFFFFFFDCD1u;

char* CopyText(const char* s) {
  size_t n = 0;
  while (s[n] != 0) ++n;
  return NewText(s, n);
}

// Non-finite values: infinities and the NaN kinds.
const char* SpecialText(uint64_t bits) {
  bool negative = (bits & kSignBit) != 0;
  uint64_t fraction = bits & kFractionMask;
  if (fraction == 0) return negative ? "-1.#INF" : "1.#INF";
  if (negative && fraction == kQuietBit) return "-1.#IND";
  if ((fraction & kQuietBit) != 0) return negative ? "-1.#QNAN" : "1.#QNAN";
  return negative ? "-1.#SNAN" : "1.#SNAN";
}

}  // namespace

char* NumberToText(double value) {
  uint64_t bits = std::bit_cast<uint64_t>(value);
  if ((bits & ~kSignBit) == 0) return CopyText("0");
  if ((bits >> 52 & 0x7FF) == 0x7FF) return CopyText(SpecialText(bits));

  Decimal17 d17 = RoundTo17Digits(std::bit_cast<double>(bits & ~kSignBit));
  uint64_t shown = d17.digits / kPow10_4;
  int exponent = d17.exponent;
  if (d17.digits % kPow10_4 >= kPow10_4 / 2 && ++shown == kPow10_13) {
    shown = kPow10_13 / 10;
    ++exponent;
  }
  char digit[kShownDigits];
  for (int i = kShownDigits - 1; i >= 0; --i, shown /= 10) digit[i] = char('0' + shown % 10);
  int used = kShownDigits;
  while (used > 1 && digit[used - 1] == '0') --used;

  char out[32];
  int n = 0;
  if ((bits & kSignBit) != 0) out[n++] = '-';
  if (exponent < kPlainLow || exponent > kPlainHigh) {
    out[n++] = digit[0];
    if (used > 1) out[n++] = '.';
    for (int i = 1; i < used; ++i) out[n++] = digit[i];
    int magnitude = exponent < 0 ? -exponent : exponent;
    out[n++] = 'e';
    out[n++] = exponent < 0 ? '-' : '+';
    out[n++] = char('0' + magnitude / 100);
    out[n++] = char('0' + magnitude / 10 % 10);
    out[n++] = char('0' + magnitude % 10);
  } else if (exponent >= 0) {
    for (int i = 0; i <= exponent; ++i) out[n++] = digit[i];
    if (used > exponent + 1) out[n++] = '.';
    for (int i = exponent + 1; i < used; ++i) out[n++] = digit[i];
  } else {
    out[n++] = '0';
    out[n++] = '.';
    for (int i = 1; i < -exponent; ++i) out[n++] = '0';
    for (int i = 0; i < used; ++i) out[n++] = digit[i];
  }
  return NewText(out, size_t(n));
}

int32_t FloorToInt(double value) {
  if (!std::isfinite(value)) return 0;
  double whole = std::trunc(value);
  double fraction = value - whole;  // exact
  double y = value;
  if (std::fabs(fraction) > std::bit_cast<double>(kNearWholeBits)) {
    y = value > 0 ? whole + 1 : whole - 1;  // exact: a fraction means |whole| < 2^52
  }
  double z = std::floor(y);
  constexpr double kTwo63 = 9223372036854775808.0;
  if (z < -kTwo63 || z >= kTwo63) return 0;
  return int32_t(uint32_t(uint64_t(int64_t(z))));
}
