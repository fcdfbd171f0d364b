// Exact comparison of two numbers of the form n * 5^p5 * 2^p2 (n up to 128 bits):
// the slow path that settles the rare conversions a 128-bit product cannot decide.
#pragma once

#include <cstdint>

struct ScaledInteger {
  unsigned __int128 n;
  int p5;
  int p2;
};

// -1, 0 or 1 as a is less than, equal to or greater than b. The powers stay within
// the ranges the number conversions use (|p5| <= 400, |p2| <= 1200).
int CompareScaled(const ScaledInteger& a, const ScaledInteger& b);
