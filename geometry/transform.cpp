#include "geometry/transform.h"

#include <cmath>

namespace korvo {

Rotation Rotation::About(const Point& centre, double angle) {
  return Rotation{centre, angle, std::cos(angle), std::sin(angle)};
}

Point Rotation::Apply(const Point& p) const {
  const double dx = p.x - centre.x;
  const double dy = p.y - centre.y;
  return {centre.x + cos * dx - sin * dy, centre.y + cos * dy + sin * dx};
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
