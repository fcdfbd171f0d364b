// Fixed-size big integers, just enough to compare n * 5^p5 * 2^p2 exactly.
#include "fee/number_bigint.h"

#include <algorithm>

namespace {

constexpr int kLimbs = 120;               // 3840 bits: 128 + 400 * log2(5) + 2 * 1200 fits
constexpr uint32_t kFive13 = 1220703125;  // 5^13, the largest power of five in 32 bits

struct BigInteger {
  uint32_t limb[kLimbs];
  int size;  // limbs in use; limb[size - 1] != 0 unless size == 0
};

void SetValue(BigInteger& x, unsigned __int128 n) {
  x.size = 0;
  while (n != 0) {
    x.limb[x.size++] = uint32_t(n);
    n >>= 32;
  }
}

void MultiplySmall(BigInteger& x, uint32_t factor) {
  uint64_t carry = 0;
  for (int i = 0; i < x.size; ++i) {
    uint64_t product = uint64_t(x.limb[i]) * factor + carry;
    x.limb[i] = uint32_t(product);
    carry = product >> 32;
  }
  if (carry != 0) x.limb[x.size++] = uint32_t(carry);
}

void MultiplyPow5(BigInteger& x, int power) {
  for (; power >= 13; power -= 13) MultiplySmall(x, kFive13);
  uint32_t rest = 1;
  for (; power > 0; --power) rest *= 5;
  if (rest != 1) MultiplySmall(x, rest);
}

void ShiftLeft(BigInteger& x, int bits) {
  if (x.size == 0 || bits == 0) return;
  int whole = bits / 32;
  int part = bits % 32;
  int newSize = x.size + whole + 1;
  x.limb[newSize - 1] = 0;
  for (int i = x.size - 1; i >= 0; --i) {
    uint32_t v = x.limb[i];
    if (part != 0) {
      x.limb[i + whole + 1] |= v >> (32 - part);
      x.limb[i + whole] = v << part;
    } else {
      x.limb[i + whole] = v;
    }
  }
  std::fill(x.limb, x.limb + whole, 0u);
  x.size = newSize;
  while (x.size > 0 && x.limb[x.size - 1] == 0) --x.size;
}

int Compare(const BigInteger& a, const BigInteger& b) {
  if (a.size != b.size) return a.size < b.size ? -1 : 1;
  for (int i = a.size - 1; i >= 0; --i) {
    if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
  }
  return 0;
}

void Build(BigInteger& x, const ScaledInteger& s, int p5, int p2) {
  SetValue(x, s.n);
  MultiplyPow5(x, p5);
  ShiftLeft(x, p2);
}

}  // namespace

int CompareScaled(const ScaledInteger& a, const ScaledInteger& b) {
  // Divide both sides by the common factor so that every remaining power is whole.
  int p5 = std::min(a.p5, b.p5);
  int p2 = std::min(a.p2, b.p2);
  BigInteger x, y;
  Build(x, a, a.p5 - p5, a.p2 - p2);
  Build(y, b, b.p5 - p5, b.p2 - p2);
  return Compare(x, y);
}
