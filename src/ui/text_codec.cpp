// Conversions between code page 936 and UTF-16 with the system's converter.
#include "ui/text_codec.h"

#include <windows.h>

#include <cstring>

namespace {
constexpr UINT kCodePage = 936;
}

std::wstring WideFromCp936(const char* text) {
  if (text == nullptr || text[0] == 0) return {};
  const int length = static_cast<int>(std::strlen(text));
  const int wideLength = MultiByteToWideChar(kCodePage, 0, text, length, nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(kCodePage, 0, text, length, wide.data(), wideLength);
  return wide;
}

std::string Cp936FromWide(const wchar_t* text, size_t length) {
  if (length == 0) return {};
  const int wideLength = static_cast<int>(length);
  const int byteLength =
      WideCharToMultiByte(kCodePage, 0, text, wideLength, nullptr, 0, "?", nullptr);
  std::string bytes(static_cast<size_t>(byteLength), '\0');
  WideCharToMultiByte(kCodePage, 0, text, wideLength, bytes.data(), byteLength, "?", nullptr);
  return bytes;
}
