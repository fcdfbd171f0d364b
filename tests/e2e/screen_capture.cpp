// Screen capture into a 24-bit DIB and out to a BMP file.
#include "screen_capture.h"

#include <cstdio>
#include <cstring>

namespace e2e {

COLORREF Capture::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const uint8_t* p = &rows[static_cast<size_t>(height - 1 - y) * Stride() + x * 3];
  return RGB(p[2], p[1], p[0]);
}

bool CaptureScreen(Capture& capture) {
  capture.width = GetSystemMetrics(SM_CXSCREEN);
  capture.height = GetSystemMetrics(SM_CYSCREEN);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, old);
    size_t size = static_cast<size_t>(capture.Stride()) * capture.height;
    capture.rows.assign(static_cast<uint8_t*>(bits), static_cast<uint8_t*>(bits) + size);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool SaveBmp(const Capture& capture, const std::wstring& path) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = capture.width;
  header.biHeight = capture.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(capture.rows.size());
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool ok = fwrite(&file, sizeof file, 1, out) == 1 &&
            fwrite(&header, sizeof header, 1, out) == 1 &&
            fwrite(capture.rows.data(), 1, capture.rows.size(), out) == capture.rows.size();
  return fclose(out) == 0 && ok;
}

}  // namespace e2e
