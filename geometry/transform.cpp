#include "geometry/transform.h"

#include <cmath>

namespace korvo {

Rotation Rotation::About(const Point& center, double angle) {
  return Rotation{center, angle, std::cos(angle), std::sin(angle)};
}

namespace {

bool IsFinite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

bool Rotation::IsRegular() const {
  return IsFinite(center) && std::isfinite(angle) && std::isfinite(cos) && std::isfinite(sin);
}

bool Scaling::IsRegular() const {
  return IsFinite(base) && std::isfinite(sx) && std::isfinite(sy) && sx != 0 && sy != 0;
}

Point Rotation::Apply(const Point& p) const {
  const double dx = p.x - center.x;
  const double dy = p.y - center.y;
  return {center.x + cos * dx - sin * dy, center.y + cos * dy + sin * dx};
}

void Point::Rotate(const Rotation& rotation) {
  *this = rotation.Apply(*this);
}
void Point::Scale(const Scaling& scaling) {
  *this = scaling.Apply(*this);
}
void Point::Unscale(const Scaling& scaling) {
  *this = scaling.Unapply(*this);
}

}  // namespace korvo
