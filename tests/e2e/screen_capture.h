// Screenshots of the whole screen as 24-bit BMP files, written with plain file I/O.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct Capture {
  int width = 0, height = 0;
  std::vector<uint8_t> rows;  // bottom-up BGR rows, each padded to 4 bytes

  int Stride() const { return (width * 3 + 3) & ~3; }
  COLORREF PixelAt(int x, int y) const;
  bool operator==(const Capture&) const = default;
};

// GetDC(NULL) + BitBlt of the whole screen.
bool CaptureScreen(Capture& capture);
bool SaveBmp(const Capture& capture, const std::wstring& path);

}  // namespace e2e
