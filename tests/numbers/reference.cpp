// Reference implementations of the number rules from glibc primitives.
#include "reference.h"

#include <algorithm>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double ReadRounded(const std::string& s, int mode) {
  std::fesetround(mode);
  double v = std::strtod(s.c_str(), nullptr);
  std::fesetround(FE_TONEAREST);
  return v;
}

long double ReadLongRounded(const std::string& s, int mode) {
  std::fesetround(mode);
  long double v = std::strtold(s.c_str(), nullptr);
  std::fesetround(FE_TONEAREST);
  return v;
}

// Adds one to a string of decimal digits, which may grow by one digit.
std::string Increment(std::string digits) {
  int i = int(digits.size()) - 1;
  while (i >= 0 && digits[i] == '9') digits[i--] = '0';
  if (i < 0) return "1" + digits;
  ++digits[i];
  return digits;
}

// Keeps the first n digits, rounding half up by the next one; exponent grows on carry.
std::string RoundHalfUp(const std::string& digits, size_t n, long& exponent) {
  if (digits.size() <= n) return digits;
  std::string kept = digits.substr(0, n);
  if (digits[n] >= '5') {
    kept = Increment(kept);
    if (kept.size() > n) {
      kept.pop_back();
      ++exponent;
    }
  }
  return kept;
}

}  // namespace

bool IsExactHalfway(const std::string& decimal) {
  double low = ReadRounded(decimal, FE_TOWARDZERO);
  long double high =
      low == DBL_MAX ? std::ldexp(1.0L, 1024) : (long double)std::nextafter(low, INFINITY);
  long double mid = ((long double)low + high) / 2;  // exact: 54 bits
  long double down = ReadLongRounded(decimal, FE_DOWNWARD);
  long double up = ReadLongRounded(decimal, FE_UPWARD);
  return down == up && down == mid;
}

long CountSignificantDigits(const std::string& decimal) {
  long n = 0;
  bool started = false;
  for (char c : decimal) {
    if (c == 'e' || c == 'E') break;
    if (!IsDigit(c)) continue;
    if (c != '0') started = true;
    if (started) ++n;
  }
  return n;
}

double ReferenceRead(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= 9 && text[i] <= 13))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string whole, fraction;
  while (i < text.size() && IsDigit(text[i])) whole += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) fraction += text[i++];
  }
  if (whole.empty() && fraction.empty()) return 0.0;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    size_t j = i + 1;
    bool exponentNegative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponentNegative = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (exponent < 100000000000L) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exponentNegative) exponent = -exponent;
    }
  }
  std::string all = whole + fraction;
  size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return negative ? -0.0 : 0.0;
  std::string digits = all.substr(first);
  exponent -= long(fraction.size());
  if (digits.size() > 24) {
    exponent += long(digits.size()) - 24;
    digits = RoundHalfUp(digits, 24, exponent);
  }
  std::string decimal = digits + "e" + std::to_string(exponent);
  double value = IsExactHalfway(decimal) ? ReadRounded(decimal, FE_TOWARDZERO)
                                         : ReadRounded(decimal, FE_TONEAREST);
  return negative ? -value : value;
}

std::string ReferenceText(double value) {
  if (value == 0) return "0";
  // 60 digits decide both roundings unless digits 19 to 61 are all 0 or all 9 (printf's
  // own rounding could hide a tie there); then the full expansion (at most 767 digits).
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, "%.60e", std::fabs(value));
  std::string tail = std::string(buffer).substr(19, 42);
  if (tail.find_first_not_of('0') == std::string::npos ||
      tail.find_first_not_of('9') == std::string::npos) {
    std::snprintf(buffer, sizeof buffer, "%.800e", std::fabs(value));
  }
  std::string s = buffer;
  size_t e = s.find('e');
  long exponent = std::strtol(s.c_str() + e + 1, nullptr, 10);
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
  digits = RoundHalfUp(digits, 17, exponent);
  digits = RoundHalfUp(digits, 13, exponent);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  if (exponent < -4 || exponent > 12) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    char tail[32];
    std::snprintf(tail, sizeof tail, "e%c%03ld", exponent < 0 ? '-' : '+', std::labs(exponent));
    return out + tail;
  }
  if (exponent >= 0) {
    digits.resize(std::max(digits.size(), size_t(exponent + 1)), '0');
    out += digits.substr(0, exponent + 1);
    if (digits.size() > size_t(exponent + 1)) out += "." + digits.substr(exponent + 1);
    return out;
  }
  return out + "0." + std::string(-exponent - 1, '0') + digits;
}
