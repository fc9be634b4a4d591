#include "tools/artgen/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qm::art {
namespace {

constexpr float kPi = 3.14159265358979f;

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

}  // namespace

Shape Circle(Point c, float radius) {
  return [=](float x, float y) { return Length(x - c.x, y - c.y) - radius; };
}

Shape Capsule(Point a, Point b, float halfWidth) {
  return [=](float x, float y) {
    const float px = x - a.x, py = y - a.y, ex = b.x - a.x, ey = b.y - a.y;
    const float along = ex * ex + ey * ey;
    const float t = along > 0 ? std::clamp((px * ex + py * ey) / along, 0.0f, 1.0f) : 0.0f;
    return Length(px - ex * t, py - ey * t) - halfWidth;
  };
}

Shape RoundedBox(Point c, float halfWidth, float halfHeight, float radius) {
  return [=](float x, float y) {
    const float qx = std::fabs(x - c.x) - halfWidth + radius;
    const float qy = std::fabs(y - c.y) - halfHeight + radius;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
  };
}

Shape RingSector(Point c, float innerRadius, float outerRadius, float angle, float halfAngle) {
  const float mid = (innerRadius + outerRadius) / 2, half = (outerRadius - innerRadius) / 2;
  return [=](float x, float y) {
    const float dx = x - c.x, dy = y - c.y;
    const float r = Length(dx, dy);
    const float ring = std::fabs(r - mid) - half;
    float off = std::atan2(dx, -dy) - angle;  // clockwise from twelve o'clock
    off = std::remainder(off, 2 * kPi);
    const float beyond = std::clamp(std::fabs(off) - halfAngle, -kPi / 2, kPi / 2);
    return std::max(ring, r * std::sin(beyond));
  };
}

Shape Polygon(std::vector<Point> v) {
  return [v = std::move(v)](float x, float y) {
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    float sign = 1;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
      const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      const float wx = x - v[i].x, wy = y - v[i].y;
      const float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      const float bx = wx - ex * t, by = wy - ey * t;
      d = std::min(d, bx * bx + by * by);
      const bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(d);
  };
}

Shape Polyline(const std::vector<Point>& points, float halfWidth) {
  Shape line = Capsule(points[0], points[1], halfWidth);
  for (size_t i = 2; i < points.size(); ++i) line = Union(line, Capsule(points[i - 1], points[i], halfWidth));
  return line;
}

std::vector<Point> QuadraticCurve(Point from, Point control, Point to, int steps) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const float t = static_cast<float>(i) / steps, u = 1 - t;
    points.push_back({u * u * from.x + 2 * u * t * control.x + t * t * to.x,
                      u * u * from.y + 2 * u * t * control.y + t * t * to.y});
  }
  return points;
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape SmoothUnion(Shape a, Shape b, float k) {
  return [=](float x, float y) {
    const float da = a(x, y), db = b(x, y);
    const float h = std::clamp(0.5f + 0.5f * (db - da) / k, 0.0f, 1.0f);
    return db + (da - db) * h - k * h * (1 - h);
  };
}

Shape Intersection(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtraction(Shape from, Shape cut) {
  return [=](float x, float y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape Outline(Shape shape, float halfWidth) {
  return [=](float x, float y) { return std::fabs(shape(x, y)) - halfWidth; };
}

Shape Grown(Shape shape, float by) {
  return [=](float x, float y) { return shape(x, y) - by; };
}

Shape Scaled(Shape shape, float scale) {
  return [=](float x, float y) { return shape(x / scale, y / scale) * scale; };
}

Shape MirroredX(Shape shape, float axisX) {
  return [=](float x, float y) { return shape(2 * axisX - x, y); };
}

Shape Above(Shape shape, float limit) {
  return [=](float x, float y) { return std::max(shape(x, y), y - limit); };
}

Point OnCircle(Point c, float radius, float angle) {
  return {c.x + radius * std::sin(angle), c.y - radius * std::cos(angle)};
}

}  // namespace qm::art
