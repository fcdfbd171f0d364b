// x87-exact arithmetic: exact result, rounded to a 64-bit significand (the extended
// exponent range is never left by operations on doubles), then rounded again to a
// double with its subnormal range and overflow to infinity.
#include "fee/extended_arithmetic.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

using Wide = unsigned __int128;

constexpr uint64_t kSignBit = uint64_t{1} << 63;
constexpr uint64_t kQuietBit = uint64_t{1} << 51;
constexpr uint64_t kFractionMask = (uint64_t{1} << 52) - 1;
constexpr uint64_t kHiddenBit = uint64_t{1} << 52;
constexpr uint64_t kInfinityBits = 0x7FF0000000000000;
// What an invalid operation (0 * inf, inf - inf, 0 / 0, inf / inf) gives.
constexpr uint64_t kDefaultNaNBits = 0xFFF8000000000000;
constexpr int kMinExponent = -1074;  // exponent of a subnormal's last bit
constexpr int kExtendedBits = 64;
constexpr int kDoubleBits = 53;

// A double taken apart; a finite one is (-1)^negative * significand * 2^exponent.
struct Parts {
  bool negative;
  bool nan;
  bool infinite;
  uint64_t significand;
  int exponent;
};

uint64_t BitsOf(double value) { return std::bit_cast<uint64_t>(value); }
double FromBits(uint64_t bits) { return std::bit_cast<double>(bits); }
double Signed(bool negative, uint64_t magnitudeBits) {
  return FromBits(magnitudeBits | (negative ? kSignBit : 0));
}
double DefaultNaN() { return FromBits(kDefaultNaNBits); }

Parts Split(double value) {
  const uint64_t bits = BitsOf(value);
  const int biased = int((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & kFractionMask;
  Parts parts{(bits & kSignBit) != 0, false, false, fraction, kMinExponent};
  if (biased == 0x7FF) {
    parts.nan = fraction != 0;
    parts.infinite = fraction == 0;
  } else if (biased != 0) {
    parts.significand = fraction | kHiddenBit;
    parts.exponent = biased - 1075;
  }
  return parts;
}

int BitLength(Wide value) {
  const uint64_t high = uint64_t(value >> 64);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(uint64_t(value));
}

// value / 2^count rounded to nearest, ties to even; 0 < count < 128.
Wide ShiftRightRoundingEven(Wide value, int count) {
  const Wide kept = value >> count;
  const Wide rest = value - (kept << count);
  const Wide half = Wide{1} << (count - 1);
  return (rest > half || (rest == half && (kept & 1) != 0)) ? kept + 1 : kept;
}

// Rounds significand * 2^exponent (significand != 0) to `bits` significant bits, with
// no bit below 2^minExponent. The significand comes back below 2^bits.
void Round(Wide& significand, int& exponent, int bits, int minExponent) {
  const int top = exponent + BitLength(significand) - 1;
  const int lastBit = std::max(top - bits + 1, minExponent);
  if (lastBit > exponent) {
    const int count = lastBit - exponent;
    significand = count >= 128 ? 0 : ShiftRightRoundingEven(significand, count);
    exponent = lastBit;
    if (significand >> bits) {  // carried into a new leading bit: the lost bit is 0
      significand >>= 1;
      ++exponent;
    }
  }
}

// The double that an exact nonzero result gives in extended precision after its
// store to double.
double RoundTwice(bool negative, Wide significand, int exponent) {
  // The extended exponent range holds every result of two doubles, so only the
  // precision limits the first rounding.
  Round(significand, exponent, kExtendedBits, -1 << 20);
  Round(significand, exponent, kDoubleBits, kMinExponent);
  if (significand == 0) return Signed(negative, 0);
  // Bring a short significand up to the hidden bit, unless it is subnormal.
  while (significand < kHiddenBit && exponent > kMinExponent) {
    significand <<= 1;
    --exponent;
  }
  if (significand < kHiddenBit) return Signed(negative, uint64_t(significand));
  const int biased = exponent + 1075;
  if (biased >= 0x7FF) return Signed(negative, kInfinityBits);
  return Signed(negative, (uint64_t(biased) << 52) | (uint64_t(significand) & kFractionMask));
}

// A NaN operand comes back quiet; of two, the one with the larger significand.
double PropagateNaN(double a, double b) {
  const uint64_t quietA = BitsOf(a) | kQuietBit;
  const uint64_t quietB = BitsOf(b) | kQuietBit;
  const bool nanA = Split(a).nan;
  const bool nanB = Split(b).nan;
  if (nanA && nanB) {
    return FromBits((quietB & kFractionMask) > (quietA & kFractionMask) ? quietB : quietA);
  }
  return FromBits(nanA ? quietA : quietB);
}

double AddParts(double a, double b, bool negateB) {
  Parts x = Split(a);
  Parts y = Split(b);
  if (x.nan || y.nan) return PropagateNaN(a, b);
  y.negative ^= negateB;
  if (x.infinite || y.infinite) {
    if (x.infinite && y.infinite && x.negative != y.negative) return DefaultNaN();
    return Signed(x.infinite ? x.negative : y.negative, kInfinityBits);
  }
  if (x.significand == 0 && y.significand == 0) return Signed(x.negative && y.negative, 0);
  if (x.significand == 0) return Signed(y.negative, BitsOf(b) & ~kSignBit);
  if (y.significand == 0) return a;

  if (x.exponent < y.exponent) std::swap(x, y);
  // The larger-exponent operand goes to bits 73..125; the other is aligned to it,
  // bits shifted out collapsing into a sticky last bit, far below both roundings.
  constexpr int kLift = 73;
  const Wide big = Wide{x.significand} << kLift;
  const int gap = x.exponent - y.exponent;
  Wide small;
  if (gap <= kLift) {
    small = Wide{y.significand} << (kLift - gap);
  } else {
    const int drop = gap - kLift;
    small = drop >= 64 ? 0 : Wide{y.significand >> drop};
    if (drop >= 64 || (y.significand & ((uint64_t{1} << drop) - 1)) != 0) small |= 1;
  }
  const int exponent = x.exponent - kLift;
  if (x.negative == y.negative) return RoundTwice(x.negative, big + small, exponent);
  if (big == small) return Signed(false, 0);
  return big > small ? RoundTwice(x.negative, big - small, exponent)
                     : RoundTwice(y.negative, small - big, exponent);
}

}  // namespace

double ExtendedAdd(double a, double b) { return AddParts(a, b, false); }

double ExtendedSubtract(double a, double b) { return AddParts(a, b, true); }

double ExtendedMultiply(double a, double b) {
  const Parts x = Split(a);
  const Parts y = Split(b);
  if (x.nan || y.nan) return PropagateNaN(a, b);
  const bool negative = x.negative != y.negative;
  if (x.infinite || y.infinite) {
    if (x.significand == 0 && !x.infinite) return DefaultNaN();
    if (y.significand == 0 && !y.infinite) return DefaultNaN();
    return Signed(negative, kInfinityBits);
  }
  if (x.significand == 0 || y.significand == 0) return Signed(negative, 0);
  return RoundTwice(negative, Wide{x.significand} * y.significand, x.exponent + y.exponent);
}

double ExtendedDivide(double a, double b) {
  const Parts x = Split(a);
  const Parts y = Split(b);
  if (x.nan || y.nan) return PropagateNaN(a, b);
  const bool negative = x.negative != y.negative;
  if (x.infinite) return y.infinite ? DefaultNaN() : Signed(negative, kInfinityBits);
  if (y.infinite) return Signed(negative, 0);
  if (y.significand == 0)
    return x.significand == 0 ? DefaultNaN() : Signed(negative, kInfinityBits);
  if (x.significand == 0) return Signed(negative, 0);
  // The dividend's leading bit goes to bit 126, so the quotient has at least 74 bits;
  // a remainder becomes a sticky last bit.
  const int lift = 127 - BitLength(x.significand);
  const Wide dividend = Wide{x.significand} << lift;
  Wide quotient = dividend / y.significand;
  if (quotient * y.significand != dividend) quotient |= 1;
  return RoundTwice(negative, quotient, x.exponent - lift - y.exponent);
}
