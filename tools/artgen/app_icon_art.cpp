#include <algorithm>
#include <cmath>

#include "tools/artgen/artwork.h"
#include "tools/artgen/shapes.h"

namespace qm::art {
namespace {

constexpr float kPi = 3.14159265358979f;

// Designed on a 256-unit grid; lines keep at least about a pixel at the small sizes.
struct IconPainter {
  Image& image;
  float scale;
  void Paint(Shape shape, Rgb colour, float opacity = 1, float softness = 1) {
    image.Paint(Scaled(std::move(shape), scale), colour, opacity, softness);
  }
  float AtLeastPixels(float units, float pixels) const { return std::max(units, pixels / scale); }
};

}  // namespace

Image DrawAppIcon(int size) {
  Image image(size, size, {0, 0, 0, 0});
  IconPainter p{image, size / 256.0f};
  const Rgb navy = RgbFrom8(28, 52, 92), face = RgbFrom8(250, 251, 253), tick = RgbFrom8(70, 90, 120);
  const Rgb keySide = RgbFrom8(176, 84, 0), keyTop = RgbFrom8(245, 140, 20), keyFace = RgbFrom8(255, 170, 60);
  const Point centre{112, 112};

  // Shadow, rim and face of the clock.
  if (size >= 32) p.Paint(Circle({118, 120}, 102), {0, 0, 0}, 0.28f, 10 * p.scale + 1);
  p.Paint(Circle(centre, 104), navy);
  p.Paint(Circle(centre, 88), face);

  if (size >= 24) {
    for (int hour = 0; hour < 12; ++hour) {
      const bool quarter = hour % 3 == 0;
      if (!quarter && size < 48) continue;
      const float a = kPi * hour / 6;
      const float inner = quarter ? 64 : 70;
      p.Paint(Capsule(OnCircle(centre, inner, a), OnCircle(centre, 78, a), p.AtLeastPixels(quarter ? 5 : 3, 0.6f)), tick);
    }
  }

  // Ten past ten.
  const float hourAngle = kPi * (10 + 10 / 60.0f) / 6, minuteAngle = kPi * 10 / 30;
  p.Paint(Capsule(centre, OnCircle(centre, 46, hourAngle), p.AtLeastPixels(9, 0.8f)), navy);
  p.Paint(Capsule(centre, OnCircle(centre, 66, minuteAngle), p.AtLeastPixels(6.5f, 0.7f)), navy);
  p.Paint(Circle(centre, p.AtLeastPixels(11, 1.0f)), keyTop);

  // The key cap in the lower right, cut free of the clock by a transparent gap.
  const Point key{188, 190};
  image.Erase(Scaled(RoundedBox(key, 64, 64, 24), p.scale));
  p.Paint(RoundedBox({key.x, key.y + 4}, 56, 56, 18), keySide);
  p.Paint(RoundedBox({key.x, key.y - 6}, 50, 46, 14), keyTop);
  p.Paint(RoundedBox({key.x, key.y - 8}, 40, 36, 10), keyFace);
  // A play sign: the key starts a job.
  p.Paint(Polygon({{key.x - 14, key.y - 30}, {key.x + 22, key.y - 8}, {key.x - 14, key.y + 14}}), {1, 1, 1});
  return image;
}

}  // namespace qm::art
