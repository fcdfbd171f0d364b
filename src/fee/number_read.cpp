// TextToNumber: folds full-width code page 936 forms, scans the longest number at the
// start of the text and converts it exactly. One pass, constant memory, whatever the length.
#include <cstdint>

#include "fee/number_decimal.h"
#include "fee/number_text.h"

namespace {

constexpr int kKeptDigits = 24;               // significant digits used; the 25th rounds them
constexpr int64_t kExponentCap = 1000000000;  // larger exponents all mean "out of range"
constexpr int kOtherCharacter = 0x100;        // a two-byte character that folds to nothing

// Two-byte characters that fold to one byte, besides the full-width ASCII row 0xA3.
struct FoldEntry {
  unsigned char first;
  unsigned char second;
  unsigned char folded;
};
constexpr FoldEntry kFoldTable[] = {
    {0xA1, 0xA1, 0x20},  // ideographic space
    {0xA1, 0xAB, 0x7E},  // full-width tilde
    {0xA1, 0xEE, 0x2A},  // white star
    {0xA1, 0xEF, 0x2A},  // black star
};

// Reads the text as it is after folding, one character at a time.
class FoldedText {
 public:
  explicit FoldedText(const char* text) : at_(reinterpret_cast<const unsigned char*>(text)) {}

  // The current character: a byte, kOtherCharacter, or 0 at the end.
  int Peek() const {
    unsigned char first = at_[0];
    if (first < 0x80) return first;
    unsigned char second = at_[1];
    if (second == 0) return 0;  // a lone first byte at the end is dropped
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return second - 0x80;
    for (const FoldEntry& entry : kFoldTable) {
      if (entry.first == first && entry.second == second) return entry.folded;
    }
    return kOtherCharacter;
  }
  void Next() { at_ += at_[0] < 0x80 ? 1 : 2; }
  // ASCII bytes fold to themselves, so runs of them can be read in place.
  const unsigned char* Raw() const { return at_; }
  void SetRaw(const unsigned char* at) { at_ = at; }

 private:
  const unsigned char* at_;
};

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

constexpr int kHeadDigits = 19;  // fit in 64 bits

struct MantissaDigits {
  uint64_t head = 0;
  uint64_t tail = 0;
  int tailCount = 0;
  int roundingDigit = 0;
  int64_t significant = 0;
  int64_t pointPosition = 0;
  bool anyDigit = false;

  // count more digits after the rounding digit.
  void Skip(int64_t count, bool afterPoint) {
    significant += count;
    if (!afterPoint) pointPosition += count;
  }

  void Add(int d, bool afterPoint) {
    anyDigit = true;
    if (significant == 0 && d == 0) {
      if (afterPoint) --pointPosition;  // a leading zero only moves the point
      return;
    }
    ++significant;
    if (!afterPoint) ++pointPosition;
    if (significant <= kHeadDigits) {
      head = head * 10 + unsigned(d);
    } else if (significant <= kKeptDigits) {
      tail = tail * 10 + unsigned(d);
      ++tailCount;
    } else if (significant == kKeptDigits + 1) {
      roundingDigit = d;
    }
  }
};
bool IsSpace(int c) { return c == 0x20 || (c >= 0x09 && c <= 0x0D); }

}  // namespace

double TextToNumber(const char* text) {
  FoldedText in(text);
  while (IsSpace(in.Peek())) in.Next();
  bool negative = false;
  if (in.Peek() == '+' || in.Peek() == '-') {
    negative = in.Peek() == '-';
    in.Next();
  }

  // The mantissa reads as 0.s1 s2 s3 ... * 10^pointPosition, s1 the first non-zero digit.
  // The first 19 significant digits gather in head, the next five in tail.
  MantissaDigits m;
  bool afterPoint = false;
  for (;;) {
    const unsigned char* p = in.Raw();
    while (unsigned(*p - '0') < 10) {
      if (m.significant > kKeptDigits) {  // past the rounding digit: only count
        const unsigned char* run = p;
        while (unsigned(*run - '0') < 10) ++run;
        m.Skip(run - p, afterPoint);
        p = run;
        break;
      }
      m.Add(*p++ - '0', afterPoint);
    }
    in.SetRaw(p);
    int c = in.Peek();
    if (IsDigit(c)) {
      m.Add(c - '0', afterPoint);
      in.Next();
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
      in.Next();
    } else {
      break;
    }
  }
  if (!m.anyDigit) return 0.0;
  if (m.significant == 0) return negative ? -0.0 : 0.0;

  int64_t exponent = 0;
  int c = in.Peek();
  if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
    FoldedText look = in;
    look.Next();
    bool exponentNegative = false;
    if (look.Peek() == '+' || look.Peek() == '-') {
      exponentNegative = look.Peek() == '-';
      look.Next();
    }
    // Without a digit here the letter is not part of the number.
    for (; IsDigit(look.Peek()); look.Next()) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (look.Peek() - '0');
    }
    if (exponentNegative) exponent = -exponent;
  }

  int64_t kept = m.significant < kKeptDigits ? m.significant : kKeptDigits;
  unsigned __int128 digits = m.head;
  for (int i = 0; i < m.tailCount; ++i) digits *= 10;
  digits += m.tail;
  if (m.roundingDigit >= 5) ++digits;  // may carry to 10^24, still exact
  return DecimalToDouble(digits, m.pointPosition + exponent - kept, negative);
}
