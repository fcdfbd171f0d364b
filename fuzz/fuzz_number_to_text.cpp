// Fuzzes NumberToText: every double gives a well-formed text that agrees with the
// printf-based reference, and reading that text back shows the same text.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/memory.h"
#include "fee/number_text.h"
#include "reference.h"

namespace {

void Fail(const char* what, double value, const std::string& got, const std::string& expected) {
  std::fprintf(stderr, "%s: %a (bits %016llx) shows \"%s\", expected \"%s\"\n", what, value,
               (unsigned long long)std::bit_cast<uint64_t>(value), got.c_str(), expected.c_str());
  std::abort();
}

std::string Shown(double value) {
  char* text = NumberToText(value);
  std::string s = text != nullptr ? text : "";
  ReleaseMemory(text);
  return s;
}

// -?d(.d+)?(e[+-]ddd)? or a plain decimal, no trailing zero after a point, at most 13 digits.
bool WellFormed(const std::string& s) {
  size_t i = s[0] == '-' ? 1 : 0;
  int digits = 0;
  bool point = false;
  size_t e = s.find('e');
  size_t end = e == std::string::npos ? s.size() : e;
  if (i >= end) return false;
  for (size_t j = i; j < end; ++j) {
    if (s[j] == '.') {
      if (point || j == i || j + 1 == end) return false;
      point = true;
    } else if (s[j] >= '0' && s[j] <= '9') {
      ++digits;
    } else {
      return false;
    }
  }
  if (point && s[end - 1] == '0') return false;
  if (e != std::string::npos) {
    if (s.size() != e + 5 || (s[e + 1] != '+' && s[e + 1] != '-')) return false;
    for (size_t j = e + 2; j < s.size(); ++j) {
      if (s[j] < '0' || s[j] > '9') return false;
    }
  }
  return digits >= 1 && (digits <= 13 || s.find("0.") == i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint64_t bits = 0;
  std::memcpy(&bits, data, size < 8 ? size : 8);
  double value = std::bit_cast<double>(bits);
  std::string got = Shown(value);
  if (!std::isfinite(value)) {
    const char* allowed[] = {"1.#INF",   "-1.#INF", "-1.#IND", "1.#QNAN",
                             "-1.#QNAN", "1.#SNAN", "-1.#SNAN"};
    for (const char* a : allowed) {
      if (got == a) return 0;
    }
    Fail("special", value, got, "a special text");
  }
  if (!WellFormed(got)) Fail("form", value, got, "well formed");
  std::string expected = ReferenceText(value);
  if (got != expected) Fail("reference", value, got, expected);
  std::string again = Shown(TextToNumber(got.c_str()));
  if (again != got) Fail("read back", value, again, got);
  return 0;
}
