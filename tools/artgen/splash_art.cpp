#include <cmath>

#include "tools/artgen/artwork.h"
#include "tools/artgen/shapes.h"

namespace qm::art {
namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kLine = 1.1f;      // half width of the main lines
constexpr float kFineLine = 0.7f;  // half width of the keys

Shape Keyboard(Point topLeft, float width, float height) {
  const Point centre{topLeft.x + width / 2, topLeft.y + height / 2};
  Shape drawing = Outline(RoundedBox(centre, width / 2, height / 2, 7), kLine);
  // Four rows of keys and a row with the space bar, keys of 13 × 11 with gaps of 3.
  const float key = 13, gap = 3, rowHeight = 11;
  const float left = topLeft.x + 8, right = topLeft.x + width - 8;
  for (int row = 0; row < 5; ++row) {
    const float y = topLeft.y + 8 + row * (rowHeight + gap);
    float x = left + (row == 1 ? 5 : row == 2 ? 8 : row == 3 ? 12 : 0);
    const auto keyAt = [&](float from, float to) {
      drawing = Union(drawing, Outline(RoundedBox({(from + to) / 2, y + rowHeight / 2}, (to - from) / 2,
                                                  rowHeight / 2, 2), kFineLine));
    };
    if (row == 4) {
      keyAt(left, left + 2 * key + gap);
      keyAt(left + 2 * key + 2 * gap, right - 2 * key - 2 * gap);
      keyAt(right - 2 * key - gap, right);
      continue;
    }
    while (x + key <= right + 0.5f) {
      keyAt(x, x + key);
      x += key + gap;
    }
  }
  return drawing;
}

Shape Mouse(Point centre) {
  const float halfWidth = 15, halfHeight = 23;
  Shape drawing = Outline(RoundedBox(centre, halfWidth, halfHeight, 14.5f), kLine);
  const float split = centre.y - 6;
  drawing = Union(drawing, Capsule({centre.x - halfWidth, split}, {centre.x + halfWidth, split}, kLine * 0.8f));
  drawing = Union(drawing, Capsule({centre.x, centre.y - halfHeight}, {centre.x, split}, kLine * 0.8f));
  drawing = Union(drawing, Outline(RoundedBox({centre.x, centre.y - 13}, 2.5f, 5, 2.5f), kFineLine));
  return drawing;
}

// An open left hand, fingers up, seen from its back: thumb to the right.
Shape OpenLeftHand(Point palm, float wristEnd) {
  struct Finger {
    float baseX, angleDeg, length;
  };
  const Finger fingers[] = {{-16, -16, 22}, {-6, -6, 30}, {4, 2, 32}, {14, 10, 28}};
  Shape hand = RoundedBox(palm, 20, 21, 12);
  for (const Finger& f : fingers) {
    const Point base{palm.x + f.baseX, palm.y - 10};
    const float a = f.angleDeg * kPi / 180;
    const Point tip{base.x + (f.length + 10) * std::sin(a), base.y - (f.length + 10) * std::cos(a)};
    hand = SmoothUnion(hand, Capsule(base, tip, 4.4f), 2.5f);
  }
  const Point thumbBase{palm.x + 14, palm.y + 8};
  const Point thumbTip{palm.x + 40, palm.y - 14};
  hand = SmoothUnion(hand, Capsule(thumbBase, thumbTip, 5.2f), 4);
  hand = SmoothUnion(hand, RoundedBox({palm.x - 1, palm.y + 40}, 13, 30, 4), 9);
  return Above(Outline(hand, kLine), wristEnd);
}

}  // namespace

Image DrawSplash() {
  Image image(kSplashSize, kSplashSize, {1, 1, 1, 1});
  const Rgb ink{0, 0, 0};
  const float keyboardLeft = 12, keyboardTop = 24, keyboardWidth = 185, keyboardHeight = 84;
  image.Paint(Keyboard({keyboardLeft, keyboardTop}, keyboardWidth, keyboardHeight), ink);

  const Point mouse{226, 82};
  image.Paint(Mouse(mouse), ink);
  // The mouse's cable runs up and over into the keyboard's right end.
  const auto cable = QuadraticCurve({mouse.x, mouse.y - 23}, {mouse.x + 2, keyboardTop - 14},
                                    {keyboardLeft + keyboardWidth - 18, keyboardTop}, 24);
  image.Paint(Polyline(cable, kLine * 0.9f), ink);

  const float wristEnd = 216;
  const Shape left = OpenLeftHand({76, 170}, wristEnd);
  image.Paint(left, ink);
  image.Paint(MirroredX(left, 127), ink);
  return image;
}

}  // namespace qm::art
