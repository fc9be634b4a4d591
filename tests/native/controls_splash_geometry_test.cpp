#include <gtest/gtest.h>

#include "controls/splash_geometry.h"

namespace {

TEST(SplashGeometry, ProgressBarSitsInTheLowerMiddleOfThePicture) {
  struct Case {
    int width, height;
    qm::SplashRect expected;
  } cases[] = {
      {255, 255, {63, 223, 127, 15}},
      {256, 200, {64, 168, 128, 15}},
      {3, 10, {0, -22, 1, 15}},  // a tiny picture: the bar starts above it
  };
  for (const Case& c : cases) {
    const qm::SplashRect bar = qm::SplashProgressBarRect(c.width, c.height);
    EXPECT_EQ(bar.x, c.expected.x) << c.width << "x" << c.height;
    EXPECT_EQ(bar.y, c.expected.y) << c.width << "x" << c.height;
    EXPECT_EQ(bar.width, c.expected.width) << c.width << "x" << c.height;
    EXPECT_EQ(bar.height, c.expected.height) << c.width << "x" << c.height;
  }
}

TEST(SplashGeometry, CentringTruncatesTowardZero) {
  struct Case {
    int area_width, area_height, width, height, x, y;
  } cases[] = {
      {1920, 1040, 255, 255, 832, 392},
      {1024, 738, 255, 255, 384, 241},
      {200, 100, 255, 255, -27, -77},  // larger than the area: -27.5 and -77.5 truncate up
  };
  for (const Case& c : cases) {
    const qm::SplashPoint corner = qm::CentreInArea(c.area_width, c.area_height, c.width, c.height);
    EXPECT_EQ(corner.x, c.x) << c.area_width << "x" << c.area_height;
    EXPECT_EQ(corner.y, c.y) << c.area_width << "x" << c.area_height;
  }
}

TEST(SplashGeometry, CentringOverAWindowStartsFromItsCorner) {
  const qm::SplashPoint inside = qm::CentreOverRect(100, 50, 900, 650, 255, 255);
  EXPECT_EQ(inside.x, 100 + 272);
  EXPECT_EQ(inside.y, 50 + 172);
  const qm::SplashPoint off_screen = qm::CentreOverRect(-400, -300, -100, -100, 255, 255);
  EXPECT_EQ(off_screen.x, -400 + 22);
  EXPECT_EQ(off_screen.y, -300 - 27);
}

}  // namespace
