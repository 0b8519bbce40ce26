#pragma once

#include "geometry/point.h"

namespace korvo {

// Argument of every rotate operation; cos and sin are precomputed by whoever fills it.
struct Rotation {
  Point center;
  double angle = 0;  // radians, counter-clockwise
  double cos = 1;
  double sin = 0;

  static Rotation About(const Point& center, double angle);
  // Whether the rotation has an image: centre, angle, cosine and sine all finite.
  // Entities refuse any other rotation rather than take coordinates that are no numbers.
  bool IsRegular() const;
  Point Apply(const Point& p) const;
};

// Argument of every scale operation; the factors may differ (and may be negative).
struct Scaling {
  Point base;
  double sx = 1;
  double sy = 1;

  bool IsUniform() const { return sx == sy; }
  // Whether the scaling has an image worth keeping: a finite base and finite factors other
  // than zero. A zero factor flattens curves into what has no frame (its zoom window or
  // mirror line had no size); entities refuse it rather than keep degenerate geometry.
  bool IsRegular() const;
  // True when the scaling mirrors: the factors have opposite signs.
  bool Mirrors() const { return (sx < 0 && sy > 0) || (sy < 0 && sx > 0); }
  Point Apply(const Point& p) const {
    return {base.x + (p.x - base.x) * sx, base.y + (p.y - base.y) * sy};
  }
  Point Unapply(const Point& p) const {
    return {base.x + (p.x - base.x) / sx, base.y + (p.y - base.y) / sy};
  }
};

}  // namespace korvo
