// Differential tests with fixed seeds: NumberToText against printf's exact expansion
// rounded by the two-stage rule, TextToNumber against strtod (ties built on purpose).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "reference.h"
#include "test_support.h"

namespace {

constexpr int kRounds = 200000;

void ExpectShowsLikeReference(double value) {
  ASSERT_EQ(ShownText(value), ReferenceText(value)) << "bits " << std::hex << Bits(value);
}

TEST(NumberToTextDifferential, RandomBitPatterns) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < kRounds; ++i) {
    double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    ExpectShowsLikeReference(value);
  }
}

TEST(NumberToTextDifferential, SubnormalAndExtremeValues) {
  std::mt19937_64 random(7);
  for (int i = 0; i < kRounds / 4; ++i) {
    uint64_t fraction = random() & ((uint64_t(1) << 52) - 1);
    uint64_t sign = (random() & 1) << 63;
    ExpectShowsLikeReference(std::bit_cast<double>(sign | (fraction >> (random() % 52))));
    uint64_t top = uint64_t(2046 - random() % 4) << 52;  // the largest binades
    ExpectShowsLikeReference(std::bit_cast<double>(sign | top | fraction));
  }
  ExpectShowsLikeReference(0x1p-1074);
  ExpectShowsLikeReference(std::numeric_limits<double>::max());
  ExpectShowsLikeReference(-std::numeric_limits<double>::max());
}

TEST(NumberToTextDifferential, TypicalTotalsAndNearTies) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> exponent(-5, 12);
  for (int i = 0; i < kRounds; ++i) {
    ExpectShowsLikeReference(std::pow(10.0, exponent(random)));
    // Values near a tie of the 13-digit and 17-digit roundings.
    char text[64];
    std::snprintf(text, sizeof text, "%llu5e%d",
                  (unsigned long long)(random() % 9000000000000u + 1000000000000u),
                  int(random() % 40) - 30);
    double nearTie = std::strtod(text, nullptr);
    ExpectShowsLikeReference(nearTie);
    ExpectShowsLikeReference(std::nextafter(nearTie, 0.0));
    ExpectShowsLikeReference(std::nextafter(nearTie, 1e300));
    // Short binary fractions, whose exact expansions can end right at the 18th digit.
    ExpectShowsLikeReference(std::ldexp(double(random() % 100000000), -int(random() % 60)));
  }
}

// A random plain decimal of 1 to 24 significant digits with sign, point and exponent.
std::string RandomDecimal(std::mt19937_64& random, int lowExponent, int highExponent) {
  int count = 1 + int(random() % 24);
  std::string digits;
  for (int i = 0; i < count; ++i) digits += char('0' + random() % 10);
  digits[0] = char('1' + random() % 9);
  size_t point = random() % (digits.size() + 1);
  std::string text = random() % 2 ? "-" : "";
  if (random() % 4 == 0) text += "00";
  text += digits.substr(0, point) + "." + digits.substr(point);
  int exponent = lowExponent + int(random() % uint64_t(highExponent - lowExponent + 1));
  return text + "e" + std::to_string(exponent);
}

void ExpectReadsLikeStrtod(const std::string& text) {
  std::string unsigned_text = text[0] == '-' ? text.substr(1) : text;
  if (IsExactHalfway(unsigned_text)) return;  // strtod would round to even
  double expected = std::strtod(text.c_str(), nullptr);
  ASSERT_EQ(Bits(TextToNumber(text.c_str())), Bits(expected)) << text;
}

TEST(TextToNumberDifferential, AgreesWithStrtodUpTo24Digits) {
  std::mt19937_64 random(424242);
  for (int i = 0; i < kRounds; ++i) ExpectReadsLikeStrtod(RandomDecimal(random, -30, 30));
}

TEST(TextToNumberDifferential, AgreesWithStrtodOnSubnormalAndExtremeMagnitudes) {
  std::mt19937_64 random(31337);
  for (int i = 0; i < kRounds / 2; ++i) {
    ExpectReadsLikeStrtod(RandomDecimal(random, -350, -300));
    ExpectReadsLikeStrtod(RandomDecimal(random, 280, 310));
  }
}

TEST(TextToNumberDifferential, AgreesWithStrtodOnShortestForms) {
  // 17 significant digits name every double: a fine mesh over the whole range.
  std::mt19937_64 random(5);
  for (int i = 0; i < kRounds; ++i) {
    double value = std::bit_cast<double>(random());
    if (!std::isfinite(value)) continue;
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", int(random() % 17), value);
    ExpectReadsLikeStrtod(text);
  }
}

TEST(TextToNumberDifferential, BuiltHalfwayCasesGoToTheSmallerMagnitude) {
  // odd * 2^j with 2^53 < odd < 2^54 lies halfway between (odd - 1) * 2^j and
  // (odd + 1) * 2^j; printed exactly it has at most 24 digits for these j.
  std::mt19937_64 random(1234);
  int built = 0;
  for (int i = 0; i < kRounds / 10; ++i) {
    uint64_t odd = (uint64_t(1) << 53) | (random() & ((uint64_t(1) << 53) - 1)) | 1;
    int j = int(random() % 36) - 10;
    long double tie = std::ldexp((long double)odd, j);
    char text[128];
    std::snprintf(text, sizeof text, "%.40Lf", tie);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (CountSignificantDigits(s) > 24) continue;
    ASSERT_TRUE(IsExactHalfway(s)) << s;
    double lower = double(std::ldexp((long double)(odd - 1), j));
    ASSERT_EQ(Bits(TextToNumber(s.c_str())), Bits(lower)) << s;
    ASSERT_EQ(Bits(TextToNumber(("-" + s).c_str())), Bits(-lower)) << s;
    ++built;
  }
  EXPECT_GT(built, kRounds / 40);
}

TEST(TextToNumberDifferential, HalfwayCasesBeyond24DigitsFollowTheDigitRule) {
  // Exact midpoints printed in full have far more than 24 digits: the rule rounds them
  // to 24 first, which moves them off the tie.
  const long double midpoints[] = {
      std::ldexp(1.0L, -1075),                                         // 0 .. least subnormal
      std::ldexp((long double)((uint64_t(1) << 54) - 1), 970),         // the two largest
      std::ldexp((long double)((uint64_t(1) << 53) + 1), -1022 - 53),  // just above 2^-1022
      std::ldexp(3.0L, -1075),
  };
  for (long double mid : midpoints) {
    char text[2000];
    std::snprintf(text, sizeof text, "%.1100Le", mid);
    ASSERT_GT(CountSignificantDigits(text), 24);
    EXPECT_EQ(Bits(TextToNumber(text)), Bits(ReferenceRead(text))) << text;
  }
}

}  // namespace
