// The fee rule's arithmetic: exact results rounded to 64 bits and then to a double.
#include "fee/extended_arithmetic.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <random>

namespace {

using Operation = double (*)(double, double);

uint64_t Bits(double value) { return std::bit_cast<uint64_t>(value); }
double FromBits(uint64_t bits) { return std::bit_cast<double>(bits); }

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr uint64_t kDefaultNaN = 0xFFF8000000000000;

struct Case {
  const char* what;
  Operation operation;
  double a, b;
  uint64_t expected;
};

void ExpectCases(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) {
    EXPECT_EQ(Bits(c->operation(c->a, c->b)), c->expected)
        << c->what << ": " << c->a << ", " << c->b;
  }
}

// Results where rounding to 64 bits first and then to 53 differs from rounding once.
TEST(ExtendedArithmeticTest, RoundsTwiceWhereOneRoundingDiffers) {
  const Case cases[] = {
      {"787182 * 3.601", ExtendedMultiply, 787182, 3.601, 0x4145A06930E56042},
      {"39192 * 5.236", ExtendedMultiply, 39192, 5.236, 0x41090CCA7EF9DB22},
      // 1 + 2^-53 + 2^-105: the tail is lost at 64 bits, leaving a tie that goes to even.
      {"sum tie after first rounding, down", ExtendedAdd, 1.0, 0x1.0000000000001p-53, Bits(1.0)},
      // 1 + 2^-52 + 2^-53 - 2^-106: the first rounding makes a tie, which goes up.
      {"sum tie after first rounding, up", ExtendedAdd, 0x1.0000000000001p+0, 0x1.fffffffffffffp-54,
       Bits(0x1.0000000000002p+0)},
      // 1 + 2^-51 - 2^-53 - 2^-105.
      {"difference with tie after first rounding", ExtendedSubtract, 0x1.0000000000002p+0,
       0x1.0000000000001p-53, Bits(0x1.0000000000002p+0)},
      {"quotient", ExtendedDivide, 0x1.e10ae9f91d162p+0, 0x1.109faaf98b319p+0,
       Bits(0x1.c3b5d14889faep+0)},
      {"quotient below one", ExtendedDivide, 0x1.264a3f63905c6p+0, 0x1.b33e7e2fa2004p+0,
       Bits(0x1.5a303fd2fc0b6p-1)},
      // (2^53-1)(2^53-5) * 2^-1129 = (2^51 - 2 + 0.5 + 5 * 2^-55) * 2^-1074.
      {"subnormal product", ExtendedMultiply, 0x1.fffffffffffffp-948, 0x1.ffffffffffffbp-77,
       0x0007FFFFFFFFFFFE},
      // DBL_MAX + 2^970 - 2^917 lies below the halfway point, but rounds to it first.
      {"overflow through the first rounding", ExtendedAdd, DBL_MAX, 0x1.fffffffffffffp+969,
       Bits(kInf)},
  };
  ExpectCases(std::begin(cases), std::end(cases));
}

// Plain double arithmetic gives the other neighbour for the rows above: they do
// tell the two roundings apart.
TEST(ExtendedArithmeticTest, PlainDoubleDiffersOnTheDistinguishingCases) {
  volatile double a = 787182, b = 3.601, c = 39192, d = 5.236;
  EXPECT_EQ(Bits(a * b), 0x4145A06930E56041u);
  EXPECT_EQ(Bits(c * d), 0x41090CCA7EF9DB23u);
}

TEST(ExtendedArithmeticTest, ExactAndOrdinaryResults) {
  const Case cases[] = {
      {"exact sum", ExtendedAdd, 1.5, 2.25, Bits(3.75)},
      {"exact difference", ExtendedSubtract, 10, 0.5, Bits(9.5)},
      {"whole times price", ExtendedMultiply, -2, 1.2, Bits(-2.4)},
      {"halving", ExtendedDivide, 5, 2, Bits(2.5)},
      {"one third", ExtendedDivide, 1, 3, Bits(1.0 / 3.0)},
      {"far apart sum", ExtendedAdd, 1e300, 1e-300, Bits(1e300)},
      {"far apart difference", ExtendedSubtract, 1.0, 0x1p-200, Bits(1.0)},
      {"just below one", ExtendedSubtract, 1.0, 0x1p-53, Bits(0x1.fffffffffffffp-1)},
      {"cancellation", ExtendedSubtract, 0x1.0000000000001p+0, 1.0, Bits(0x1p-52)},
      {"smallest subnormal", ExtendedMultiply, 0x1p-1000, 0x1p-74, 1},
      {"below half the smallest subnormal", ExtendedMultiply, 0x1p-1000, 0x1.fffffffffffffp-76, 0},
      {"halfway to the smallest subnormal", ExtendedMultiply, 0x1p-1000, 0x1p-75, 0},
      {"above half the smallest subnormal", ExtendedMultiply, 0x1p-1000, 0x1.0000000000001p-75, 1},
      {"subnormal operands", ExtendedAdd, FromBits(3), FromBits(5), 8},
      {"subnormal divided", ExtendedDivide, FromBits(7), 2, 4},
      {"subnormal up to normal", ExtendedDivide, 0x1.fffffffffffffp-1022, 2, Bits(0x1p-1022)},
      {"subnormal scaled up", ExtendedMultiply, FromBits(1), 0x1p+1023, Bits(0x1p-51)},
      {"largest finite", ExtendedMultiply, 0x1.fffffffffffffp+1022, 2, Bits(DBL_MAX)},
      {"product overflow", ExtendedMultiply, 1e200, 1e200, Bits(kInf)},
      {"negative overflow", ExtendedMultiply, -1e200, 1e200, Bits(-kInf)},
      {"quotient overflow", ExtendedDivide, 1e300, 1e-300, Bits(kInf)},
      {"quotient underflow", ExtendedDivide, 1e-300, 1e300, 0},
  };
  ExpectCases(std::begin(cases), std::end(cases));
}

TEST(ExtendedArithmeticTest, SignedZeros) {
  const Case cases[] = {
      {"-0 + -0", ExtendedAdd, -0.0, -0.0, Bits(-0.0)},
      {"-0 + 0", ExtendedAdd, -0.0, 0.0, Bits(0.0)},
      {"-0 - 0", ExtendedSubtract, -0.0, 0.0, Bits(-0.0)},
      {"x - x", ExtendedSubtract, 2.5, 2.5, Bits(0.0)},
      {"x + -x", ExtendedAdd, -2.5, 2.5, Bits(0.0)},
      {"0 + x", ExtendedAdd, 0.0, -3.0, Bits(-3.0)},
      {"0 - x", ExtendedSubtract, 0.0, 3.0, Bits(-3.0)},
      {"-0 * 5", ExtendedMultiply, -0.0, 5, Bits(-0.0)},
      {"-1 * 0", ExtendedMultiply, -1, 0.0, Bits(-0.0)},
      {"0 / -3", ExtendedDivide, 0.0, -3, Bits(-0.0)},
      {"-0 / 2", ExtendedDivide, -0.0, 2, Bits(-0.0)},
  };
  ExpectCases(std::begin(cases), std::end(cases));
}

TEST(ExtendedArithmeticTest, InfinitiesAndTheDefaultNaN) {
  const Case cases[] = {
      {"0 * inf", ExtendedMultiply, 0.0, kInf, kDefaultNaN},
      {"-inf * 0", ExtendedMultiply, -kInf, 0.0, kDefaultNaN},
      {"inf - inf", ExtendedSubtract, kInf, kInf, kDefaultNaN},
      {"inf + -inf", ExtendedAdd, kInf, -kInf, kDefaultNaN},
      {"inf / inf", ExtendedDivide, kInf, -kInf, kDefaultNaN},
      {"0 / 0", ExtendedDivide, 0.0, -0.0, kDefaultNaN},
      {"inf + inf", ExtendedAdd, kInf, kInf, Bits(kInf)},
      {"inf - -inf", ExtendedSubtract, kInf, -kInf, Bits(kInf)},
      {"inf + 6", ExtendedAdd, kInf, 6, Bits(kInf)},
      {"6 - inf", ExtendedSubtract, 6, kInf, Bits(-kInf)},
      {"-1 * inf", ExtendedMultiply, -1, kInf, Bits(-kInf)},
      {"inf / -2", ExtendedDivide, kInf, -2, Bits(-kInf)},
      {"1 / 0", ExtendedDivide, 1, 0.0, Bits(kInf)},
      {"1 / -0", ExtendedDivide, 1, -0.0, Bits(-kInf)},
      {"5 / -inf", ExtendedDivide, 5, -kInf, Bits(-0.0)},
  };
  ExpectCases(std::begin(cases), std::end(cases));
}

TEST(ExtendedArithmeticTest, NaNOperandsPropagateQuiet) {
  const double defaultNaN = FromBits(kDefaultNaN);
  const double signalling = FromBits(0x7FF0000000000001);
  const double quiet = FromBits(0x7FF8000000000123);
  const Case cases[] = {
      {"default NaN + 6", ExtendedAdd, defaultNaN, 6, kDefaultNaN},
      {"6 - default NaN", ExtendedSubtract, 6, defaultNaN, kDefaultNaN},
      {"quiet NaN * inf", ExtendedMultiply, quiet, kInf, 0x7FF8000000000123},
      {"0 / quiet NaN", ExtendedDivide, 0.0, quiet, 0x7FF8000000000123},
      {"signalling NaN made quiet", ExtendedMultiply, signalling, 1, 0x7FF8000000000001},
      {"the larger significand wins", ExtendedAdd, defaultNaN, quiet, 0x7FF8000000000123},
  };
  ExpectCases(std::begin(cases), std::end(cases));
}

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
// Reference: the x87 unit itself, at 64-bit precision, round to nearest, all masked.
class X87Precision {
 public:
  X87Precision() {
    asm volatile("fnstcw %0" : "=m"(saved_));
    const uint16_t extended = 0x037F;
    asm volatile("fldcw %0" : : "m"(extended));
  }
  ~X87Precision() { asm volatile("fldcw %0" : : "m"(saved_)); }

 private:
  uint16_t saved_;
};

double X87(char op, double a, double b) {
  volatile long double x = a, y = b, r = 0;
  switch (op) {
    case '+':
      r = x + y;
      break;
    case '-':
      r = x - y;
      break;
    case '*':
      r = x * y;
      break;
    default:
      r = x / y;
      break;
  }
  volatile double stored = double(r);
  return stored;
}

// Operands that reach every path: raw bit patterns, subnormals, specials, nearby
// exponents (rounding and cancellation) and one operand derived from the other.
double RandomOperand(std::mt19937_64& random, double other) {
  const uint64_t bits = random();
  switch (bits % 8) {
    case 0:
      return FromBits(random());
    case 1:
      return FromBits(random() & 0x800FFFFFFFFFFFFF);
    case 2: {
      const double specials[] = {0.0,
                                 -0.0,
                                 kInf,
                                 -kInf,
                                 FromBits(kDefaultNaN),
                                 DBL_MAX,
                                 DBL_MIN,
                                 FromBits(1),
                                 FromBits(0x7FF0000000000001),
                                 1.0};
      return specials[random() % std::size(specials)];
    }
    case 3:
    case 4: {  // near the other operand: shifted by up to 70 bits, low bits changed
      const uint64_t shift = (random() % 71) << 52;
      uint64_t o = Bits(other) ^ (random() & 0x800000000000FFFF);
      o = (random() & 1) ? o - shift : o + shift;
      return FromBits(o);
    }
    default: {  // moderate magnitudes
      const uint64_t exponent = 1023 - 64 + random() % 129;
      return FromBits((random() & 0x800FFFFFFFFFFFFF) | (exponent << 52));
    }
  }
}

TEST(ExtendedArithmeticTest, AgreesWithTheX87UnitOnRandomOperands) {
  X87Precision precision;
  std::mt19937_64 random(20240601);
  const struct {
    char symbol;
    Operation operation;
  } operations[] = {
      {'+', ExtendedAdd}, {'-', ExtendedSubtract}, {'*', ExtendedMultiply}, {'/', ExtendedDivide}};
  int failures = 0;
  for (int i = 0; i < 400000 && failures < 10; ++i) {
    const double a = RandomOperand(random, 1.0);
    const double b = RandomOperand(random, a);
    for (const auto& op : operations) {
      const uint64_t expected = Bits(X87(op.symbol, a, b));
      const uint64_t got = Bits(op.operation(a, b));
      if (got != expected) {
        ++failures;
        ADD_FAILURE() << std::hexfloat << a << " " << op.symbol << " " << b << ": expected "
                      << std::hex << expected << ", got " << got;
      }
    }
  }
}
#endif

}  // namespace
