// NumberToText: the two-stage rounding, both forms, the special values, and ownership.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "test_support.h"

namespace {

struct ShowCase {
  double value;
  const char* text;
};

void ExpectShows(const ShowCase* begin, const ShowCase* end) {
  for (const ShowCase* c = begin; c != end; ++c) {
    EXPECT_EQ(ShownText(c->value), c->text) << "bits " << std::hex << Bits(c->value);
  }
}

template <size_t N>
void ExpectShows(const ShowCase (&cases)[N]) {
  ExpectShows(cases, cases + N);
}

double FromBits(uint64_t bits) { return std::bit_cast<double>(bits); }

TEST(NumberToText, PlainFormForExponentsMinus4To12) {
  volatile double three = 3;
  const ShowCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {1.5, "1.5"},
      {4.8, "4.8"},
      {7.2, "7.2"},
      {-2.4, "-2.4"},
      {1.0 / three, "0.3333333333333"},
      {2.0 / three, "0.6666666666667"},
      {123456789.123, "123456789.123"},
      {1e12, "1000000000000"},
      {9999999999999.0, "9999999999999"},
      {846039250.8, "846039250.8"},
      {0.0001, "0.0001"},
      {0.00012345678901234, "0.0001234567890123"},
      {100.0, "100"},
      {5e9, "5000000000"},
  };
  ExpectShows(cases);
}

TEST(NumberToText, ExponentFormWithThreeDigits) {
  const ShowCase cases[] = {
      {1e13, "1e+013"},
      {1e15, "1e+015"},
      {1e16, "1e+016"},
      {1e20, "1e+020"},
      {5e19, "5e+019"},
      {-1.5e100, "-1.5e+100"},
      {1e308, "1e+308"},
      {std::numeric_limits<double>::max(), "1.797693134862e+308"},
      {0.00001, "1e-005"},
      {0.000015, "1.5e-005"},
      {0.0000001, "1e-007"},
      {5e-14, "5e-014"},
      {0x1p-1074, "4.940656458412e-324"},
      {-0x1p-1074, "-4.940656458412e-324"},
      {0x1p-1022, "2.225073858507e-308"},
      {1.2345678901234567e-100, "1.234567890123e-100"},
  };
  ExpectShows(cases);
}

TEST(NumberToText, RoundsTo17DigitsThenTo13HalfUp) {
  const ShowCase cases[] = {
      {7.199999999999999, "7.2"},          {0.1 + 0.2, "0.3"},
      {9999999999999.5, "1e+013"},          // carry through all 13 digits
      {999999999999.95, "999999999999.9"},  // exactly ...949951..., 17 digits ...4995
      {0.000099999999999995, "0.0001"},     // carry moves it into plain form
      {1234567890123.5, "1234567890124"},  {8678691252506.5, "8678691252507"},
      {6.0143162985415, "6.014316298542"},  // just below the tie, 17 digits make it one
      {2.5000000000000004, "2.5"},
  };
  ExpectShows(cases);
}

TEST(NumberToText, SpecialValues) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  volatile double zero = 0;
  const ShowCase cases[] = {
      {inf, "1.#INF"},
      {-inf, "-1.#INF"},
      {zero * inf, "-1.#IND"},
      {FromBits(0xFFF8000000000000u), "-1.#IND"},
      {FromBits(0x7FF8000000000000u), "1.#QNAN"},
      {FromBits(0x7FF8000000000001u), "1.#QNAN"},
      {FromBits(0xFFF8000000000001u), "-1.#QNAN"},
      {FromBits(0x7FF0000000000001u), "1.#SNAN"},
      {FromBits(0xFFF4000000000000u), "-1.#SNAN"},
  };
  ExpectShows(cases);
}

TEST(NumberToText, ResultIsAFreshBlockOfExactLength) {
  int64_t before = LiveBlockCount();
  char* text = NumberToText(-2.4);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, "-2.4");
  EXPECT_EQ(LiveBlockCount(), before + 1);
  char* other = NumberToText(-2.4);
  EXPECT_NE(other, text);
  ReleaseMemory(text);
  ReleaseMemory(other);
  EXPECT_EQ(LiveBlockCount(), before);
}

}  // namespace
