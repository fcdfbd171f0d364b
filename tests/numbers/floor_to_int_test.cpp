// FloorToInt: the near-whole threshold, floor, and the 32-bit reduction of 64-bit values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "test_support.h"

namespace {

TEST(FloorToInt, NearWholeFloorAndReduction) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  const double threshold = std::bit_cast<double>(uint64_t(0x3FEFFFFFFFFFDCD1u));
  const struct {
    double value;
    int32_t whole;
  } cases[] = {
      {1.5, 1},
      {-1.5, -2},
      {-0.5, -1},
      {0.0, 0},
      {-0.0, 0},
      {-1.0, -1},
      {2.9999999999995, 3},
      {2.99999999999, 2},
      {-2.9999999999995, -3},
      {-0.9999999999995, -1},
      {threshold, 0},  // exactly at the threshold: left alone
      {std::nextafter(threshold, 1.0), 1},
      {-threshold, -1},
      {-std::nextafter(threshold, 1.0), -1},
      {2147483647.0, 2147483647},
      {2147483648.0, -2147483647 - 1},
      {5000000000.0, 705032704},
      {-2147483649.0, 2147483647},
      {9.2e18, -1650982912},
      {-9223372036854775808.0, 0},  // -2^63 is in range; its low 32 bits are 0
      {-9223372036854773760.0, 2048},
      {9223372036854774784.0, -1024},  // largest double below 2^63
      {9223372036854775808.0, 0},
      {1e19, 0},
      {1e20, 0},
      {-1e19, 0},
      {inf, 0},
      {-inf, 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
      {0x1p-1074, 0},
      {-0x1p-1074, -1},
      {4503599627370495.5, -1},  // 2^52 - 1: low 32 bits all ones
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FloorToInt(c.value), c.whole) << "value " << c.value;
  }
}

}  // namespace
