// Signed distance shapes and the operations that combine them.
#pragma once

#include <vector>

#include "tools/artgen/raster.h"

namespace qm::art {

struct Point {
  float x, y;
};

Shape Circle(Point centre, float radius);
// A line from a to b with round ends.
Shape Capsule(Point a, Point b, float halfWidth);
Shape RoundedBox(Point centre, float halfWidth, float halfHeight, float radius);
// Part of a ring between two radii, centred on an angle (radians, clockwise from
// twelve o'clock), spanning halfAngle to either side.
Shape RingSector(Point centre, float innerRadius, float outerRadius, float angle, float halfAngle);
Shape Polygon(std::vector<Point> corners);
// Round-ended line through the points.
Shape Polyline(const std::vector<Point>& points, float halfWidth);
std::vector<Point> QuadraticCurve(Point from, Point control, Point to, int steps);

Shape Union(Shape a, Shape b);
// Union with a rounded join of radius about k.
Shape SmoothUnion(Shape a, Shape b, float k);
Shape Intersection(Shape a, Shape b);
Shape Subtraction(Shape from, Shape cut);
// The shape's outline as a line of the given half width.
Shape Outline(Shape shape, float halfWidth);
Shape Grown(Shape shape, float by);
// The shape drawn at scale times its size (designs made in their own units).
Shape Scaled(Shape shape, float scale);
Shape MirroredX(Shape shape, float axisX);
// Keeps the part of the shape above y (smaller y).
Shape Above(Shape shape, float y);

// Point on a circle, angle in radians clockwise from twelve o'clock.
Point OnCircle(Point centre, float radius, float angle);

}  // namespace qm::art
