#include "controls/splash_geometry.h"

namespace qm {

// Every division truncates toward zero, as C++ integer division does, so a
// picture larger than its area gets a negative corner.

SplashRect SplashProgressBarRect(int picture_width, int picture_height) {
  return {picture_width / 4, picture_height - 32, picture_width / 2, 15};
}

SplashPoint CentreInArea(int area_width, int area_height, int picture_width, int picture_height) {
  return {(area_width - picture_width) / 2, (area_height - picture_height) / 2};
}

SplashPoint CentreOverRect(int left, int top, int right, int bottom, int picture_width,
                           int picture_height) {
  return {left + (right - left - picture_width) / 2, top + (bottom - top - picture_height) / 2};
}

}  // namespace qm
