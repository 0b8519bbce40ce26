#include "geometry/transform.h"

#include <cmath>

namespace korvo {

Rotation Rotation::About(const Point& center, double angle) {
  return Rotation{center, angle, std::cos(angle), std::sin(angle)};
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
