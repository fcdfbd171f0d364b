// TextToNumber: scanning, folding, the 24-digit and halfway rules, range, huge inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "test_support.h"

namespace {

struct ReadCase {
  const char* text;
  double value;
};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kLeastSubnormal = 0x1p-1074;

void ExpectReads(const ReadCase* begin, const ReadCase* end) {
  for (const ReadCase* c = begin; c != end; ++c) {
    double got = TextToNumber(c->text);
    EXPECT_EQ(Bits(got), Bits(c->value))
        << "text \"" << c->text << "\" read " << got << ", expected " << c->value;
  }
}

template <size_t N>
void ExpectReads(const ReadCase (&cases)[N]) {
  ExpectReads(cases, cases + N);
}

TEST(TextToNumber, ScansTheLongestNumberPrefix) {
  const ReadCase cases[] = {
      {"0", 0.0},           {"2.5", 2.5},    {"-3", -3.0},     {"  12", 12.0},
      {"\t\n\v\f\r7", 7},   {"+5", 5.0},     {".5", 0.5},      {"5.", 5.0},
      {"-.5", -0.5},        {"007.50", 7.5}, {"1e3", 1000.0},  {"1E3", 1000.0},
      {"1d3", 1000.0},      {"1D3", 1000.0}, {"1e+3", 1000.0}, {"25e-1", 2.5},
      {"1e", 1.0},          {"1e+", 1.0},    {"1e-", 1.0},     {"1ex", 1.0},
      {"1.5e-5", 0.000015}, {"1,000", 1.0},  {"1 000", 1.0},   {"1+2", 1.0},
      {"1-2", 1.0},         {"12abc", 12.0}, {"1.2.3", 1.2},   {"1e3e4", 1000.0},
      {"1e3.5", 1000.0},    {"1.e2", 100.0}, {".5e1", 5.0},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, TextWithoutDigitsReadsAsPositiveZero) {
  const ReadCase cases[] = {
      {"", 0.0},   {"abc", 0.0},  {"+", 0.0},   {"-", 0.0},    {".", 0.0},
      {"-.", 0.0}, {"--1", 0.0},  {"+-1", 0.0}, {"inf", 0.0},  {"nan", 0.0},
      {"e5", 0.0}, {" - 1", 0.0}, {"-e5", 0.0}, {"0x10", 0.0},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, ZeroMantissaKeepsItsSign) {
  const ReadCase cases[] = {
      {"-0", -0.0},      {"-0.0e5", -0.0}, {"-000.000", -0.0},
      {"-0e-400", -0.0}, {"+0", 0.0},      {"0e400", 0.0},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, FoldsFullWidthForms) {
  const ReadCase cases[] = {
      {"\xA3\xB1\xA3\xB2", 12.0},           // full-width 12
      {"\xA3\xB1\xA3\xAE\xA3\xB5", 1.5},    // 1.5
      {"\xA3\xAD\xA3\xB3", -3.0},           // -3
      {"\xA3\xAB\xA3\xB3", 3.0},            // +3
      {"\xA3\xB1\xA3\xE5\xA3\xB2", 100.0},  // 1e2
      {"\xA3\xB1\xA3\xC5\xA3\xB2", 100.0},  // 1E2
      {"\xA3\xB3\xA1\xA3\xA3\xB5", 3.0},    // 3, ideographic full stop, 5
      {"\xA1\xA1"
       "1",
       1.0},  // ideographic space, 1
      {"\xA1\xA1\xA1\xA1\xA3\xAD"
       "2",
       -2.0},  // two ideographic spaces, -2
      {"1\xA1\xA1"
       "2",
       1.0},               // an ideographic space ends the number
      {"2\xA3\xA5", 2.0},  // full-width % ends it
      {"\xB4\xED"
       "5",
       0.0},                  // an unfolded character before the digits
      {"7\xB4", 7.0},         // lone first byte at the end
      {"\xA3", 0.0},          // only a lone first byte
      {"\xA3\xB1\xA3", 1.0},  // full-width 1, then a lone first byte
      {"\x81"
       "5",
       0.0},  // 0x81 0x35 is one two-byte character, not a digit 5
  };
  ExpectReads(cases);
}

TEST(TextToNumber, UsesAtMost24DigitsRoundedHalfUp) {
  const ReadCase cases[] = {
      // The 25th digit is dropped and leaves an exact tie, which goes down.
      {"9007199254740993.000000004", 9007199254740992.0},
      // The 25th digit rounds up past the tie.
      {"9007199254740993.000000005", 9007199254740994.0},
      // The 25th digit rounds up onto the tie.
      {"9007199254740992.999999995", 9007199254740992.0},
      // Dropped digits before the point still count for the magnitude.
      {"123456789012345678901234999", 123456789012345678901235000.0},
      // Carry through all 24 digits.
      {"9.999999999999999999999995", 10.0},
      {"0.0000009999999999999999999999995", 0.000001},
      {"123456789012345678901234", 123456789012345678901234.0},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, ExactHalfwayGoesToTheSmallerMagnitude) {
  const ReadCase cases[] = {
      {"9007199254740993", 9007199254740992.0},
      {"9007199254740995", 9007199254740994.0},
      {"-9007199254740993", -9007199254740992.0},
      {"-9007199254740995", -9007199254740994.0},
      {"4503599627370496.5", 4503599627370496.0},
      {"4503599627370497.5", 4503599627370497.0},
      {"7e22", 16689300537109374.0 * 0x1p22},
      {"18014398509481990", 18014398509481988.0},
      // Just above a tie: the nearest one.
      {"9007199254740993.00000001", 9007199254740994.0},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, OverflowAndUnderflow) {
  const ReadCase cases[] = {
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1.79769313486231570814527e308", kMax},
      {"1.79769313486231580793728e308", kMax},  // just below the halfway point to 2^1024
      {"1.79769313486231580793729e308", kInf},  // just above it
      {"1e-400", 0.0},
      {"-1e-400", -0.0},
      {"1e-320", 0x1.fap-1064},
      {"4.9406564584124654e-324", kLeastSubnormal},
      {"2.47032822920623272088284e-324", 0.0},              // below half the least subnormal
      {"2.47032822920623272088285e-324", kLeastSubnormal},  // above it
      {"2.4703282292062327208828439643e-324", 0.0},         // 24 digits leave it below half
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
      {"2.2250738585072014e-308", 0x1p-1022},
  };
  ExpectReads(cases);
}

TEST(TextToNumber, HugeTextsGiveTheirValues) {
  const std::string million(1000000, '9');
  const std::string zeros(1000000, '0');
  const std::string nines100(100, '9');
  struct {
    std::string text;
    double value;
  } cases[] = {
      {"1" + zeros, kInf},
      {"-1" + zeros, -kInf},
      {"0." + zeros + "1", 0.0},
      {zeros + "1.5", 1.5},
      {"9." + million, 10.0},
      {"0." + zeros + "25e1000001", 2.5},
      {"1" + zeros + "e-1000000", 1.0},
      {"1e" + nines100, kInf},
      {"1e-" + nines100, 0.0},
      {"0e" + nines100, 0.0},
      {"-0e" + nines100, -0.0},
      {"1" + zeros + "e-" + nines100, 0.0},
      {"0." + zeros + "1e" + nines100, kInf},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Bits(TextToNumber(c.text.c_str())), Bits(c.value))
        << "text of " << c.text.size() << " bytes starting " << c.text.substr(0, 12);
  }
}

TEST(TextToNumber, RandomBytesNeverReadPastTheEnd) {
  // Every length from 0 to 8 of a few awkward bytes, each in a block of its exact size,
  // so that a read past the zero byte shows under AddressSanitizer.
  const unsigned char alphabet[] = {'1', '.', 'e', '-', 0xA3, 0xA1, 0xB0, 0x81};
  for (int length = 0; length <= 6; ++length) {
    int total = 1;
    for (int i = 0; i < length; ++i) total *= 8;
    for (int code = 0; code < total; ++code) {
      std::string s;
      for (int i = 0, c = code; i < length; ++i, c /= 8) s += char(alphabet[c % 8]);
      char* block = new char[s.size() + 1];
      s.copy(block, s.size());
      block[s.size()] = 0;
      double v = TextToNumber(block);
      EXPECT_FALSE(std::isnan(v));
      delete[] block;
    }
  }
}

}  // namespace
