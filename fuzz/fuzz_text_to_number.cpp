// Fuzzes TextToNumber: any bytes are read without fault; an ASCII text reads as the
// glibc-based reference says; its full-width spelling reads the same.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fee/number_text.h"
#include "reference.h"

namespace {

void Fail(const char* what, const std::string& text, double got, double expected) {
  std::fprintf(stderr, "%s: \"%s\" read %a, expected %a\n", what, text.c_str(), got, expected);
  std::abort();
}

bool Same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

// The same text in full-width forms: printable ASCII to 0xA3 0xA1..0xFE, space to 0xA1 0xA1.
std::string FullWidth(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x21 && c <= 0x7E) {
      out += char(0xA3);
      out += char(c + 0x80);
    } else if (c == 0x20) {
      out += "\xA1\xA1";
    } else {
      out += char(c);
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size block, so that reading past the zero byte is caught.
  char* block = new char[size + 1];
  for (size_t i = 0; i < size; ++i) block[i] = char(data[i]);
  block[size] = 0;
  double got = TextToNumber(block);
  std::string text(block);  // up to the first zero byte
  delete[] block;

  bool ascii = true;
  for (unsigned char c : text) ascii = ascii && c < 0x80;
  if (!ascii) return 0;
  double expected = ReferenceRead(text);
  if (!Same(got, expected)) Fail("reference", text, got, expected);
  std::string wide = FullWidth(text);
  double folded = TextToNumber(wide.c_str());
  if (!Same(folded, got)) Fail("full-width", text, folded, got);
  return 0;
}
