// Where the window stands: centred on the primary screen. Integer division
// truncates toward zero, so a screen narrower than the window gives x = -24 for 301.
#pragma once

#include <cstdint>

struct Placement {
  int32_t x, y;
};

constexpr int32_t CentredOrigin(int32_t screenExtent, int32_t windowExtent) {
  return (screenExtent - windowExtent) / 2;
}

constexpr Placement CentredPlacement(int32_t screenWidth, int32_t screenHeight, int32_t width,
                                     int32_t height) {
  return {CentredOrigin(screenWidth, width), CentredOrigin(screenHeight, height)};
}
