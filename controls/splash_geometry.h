#pragma once

namespace qm {

struct SplashRect {
  int x;
  int y;
  int width;
  int height;
};

struct SplashPoint {
  int x;
  int y;
};

// The progress bar inside a picture of the given size: a quarter in from the
// left, half the width, 15 pixels high, its top 32 pixels above the bottom.
SplashRect SplashProgressBarRect(int picture_width, int picture_height);

// Top-left corner that centres a picture in an area starting at (0, 0), such
// as the primary display's full-screen client area.
SplashPoint CentreInArea(int area_width, int area_height, int picture_width, int picture_height);

// Top-left corner that centres a picture over a window's screen rectangle.
SplashPoint CentreOverRect(int left, int top, int right, int bottom, int picture_width,
                           int picture_height);

}  // namespace qm
