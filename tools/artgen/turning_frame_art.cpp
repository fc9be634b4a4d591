#include <cmath>

#include "tools/artgen/artwork.h"
#include "tools/artgen/shapes.h"

namespace qm::art {

Image DrawTurningFrame(int frame, int frames, int size) {
  constexpr float kTwoPi = 6.28318530718f;
  constexpr int kSegments = 8;
  Image image(size, size, {1, 1, 1, 1});
  const float s = size / 24.0f;
  const Point centre{size / 2.0f, size / 2.0f};
  const Rgb head = RgbFrom8(0, 100, 0), tail = RgbFrom8(200, 228, 200);
  const float headAngle = kTwoPi * frame / frames;
  for (int i = 0; i < kSegments; ++i) {
    const float angle = kTwoPi * i / kSegments;
    // How far the segment trails behind the head, 0 at the head, nearly 1 a full turn behind.
    const float behind = std::fmod(headAngle - angle + 2 * kTwoPi, kTwoPi) / kTwoPi;
    const float t = std::pow(behind, 0.7f);
    image.Paint(RingSector(centre, 5.5f * s, 10.5f * s, angle, kTwoPi / kSegments / 2 - 0.16f), Mix(head, tail, t));
  }
  return image;
}

}  // namespace qm::art
