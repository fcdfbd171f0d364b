// Centred placement: signed division truncating toward zero.
#include "ui/placement.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
  int32_t screenWidth, screenHeight, x, y;
};

const PlacementCase kPlacementCases[] = {
    {1920, 1080, 785, 475}, {1024, 768, 337, 319},
    {351, 130, 0, 0},      // one pixel to spare truncates to 0
    {301, 100, -24, -14},  // narrower than the window: toward zero, not -25 / -15
    {350, 129, 0, 0},
};

TEST(CentredPlacement, TruncatesTowardZeroOnEverySide) {
  for (const PlacementCase& c : kPlacementCases) {
    const Placement p = CentredPlacement(c.screenWidth, c.screenHeight, 350, 129);
    EXPECT_EQ(p.x, c.x) << c.screenWidth;
    EXPECT_EQ(p.y, c.y) << c.screenHeight;
  }
}

}  // namespace
