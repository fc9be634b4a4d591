// A small floating-point canvas that paints shapes given as signed distance
// functions; coverage from the distance gives antialiased edges at any size.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace qm::art {

struct Rgb {
  float r, g, b;  // 0..1
};

Rgb RgbFrom8(int r, int g, int b);
Rgb Mix(Rgb a, Rgb b, float t);

struct Pixel {
  float r, g, b, a;  // straight (not premultiplied) alpha, 0..1
};

// Signed distance in pixels from the point to the shape's edge, negative inside.
// Points are pixel coordinates, y downwards; a pixel's centre is (x + 0.5, y + 0.5).
using Shape = std::function<float(float x, float y)>;

class Image {
 public:
  Image(int width, int height, Pixel fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const Pixel& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  // Composites the colour over the image where the shape covers it. softness
  // widens the edge (in pixels) for shadows and glows.
  void Paint(const Shape& shape, Rgb colour, float opacity = 1.0f, float softness = 1.0f);
  // Makes the image transparent where the shape covers it.
  void Erase(const Shape& shape);

 private:
  float Coverage(const Shape& shape, int x, int y, float softness) const;
  Pixel& Mutable(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

uint8_t ToByte(float channel);

}  // namespace qm::art
