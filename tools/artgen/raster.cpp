#include "tools/artgen/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qm::art {

Rgb RgbFrom8(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }

Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Image::Image(int width, int height, Pixel fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

float Image::Coverage(const Shape& shape, int x, int y, float softness) const {
  const float distance = shape(x + 0.5f, y + 0.5f);
  return std::clamp(0.5f - distance / softness, 0.0f, 1.0f);
}

void Image::Paint(const Shape& shape, Rgb colour, float opacity, float softness) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float a = Coverage(shape, x, y, softness) * opacity;
      if (a <= 0.0f) continue;
      Pixel& p = Mutable(x, y);
      const float out = a + p.a * (1.0f - a);
      const float keep = p.a * (1.0f - a);
      p.r = (colour.r * a + p.r * keep) / out;
      p.g = (colour.g * a + p.g * keep) / out;
      p.b = (colour.b * a + p.b * keep) / out;
      p.a = out;
    }
  }
}

void Image::Erase(const Shape& shape) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Pixel& p = Mutable(x, y);
      p.a *= 1.0f - Coverage(shape, x, y, 1.0f);
      if (p.a <= 0.0f) p = {0, 0, 0, 0};
    }
  }
}

uint8_t ToByte(float channel) {
  return static_cast<uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace qm::art
