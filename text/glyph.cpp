#include "text/glyph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/geometry.h"

namespace korvo {

void NormalizeArcAngles(ArcStroke& arc) {
  double a1 = arc.a1;
  double a2 = arc.a2;
  // A negative radius reaches the opposite points: keep the geometry with a positive one.
  if (arc.r < 0) {
    arc.r = -arc.r;
    a1 += kPi;
    a2 += kPi;
  }
  a1 = NormalizeAngle(a1);
  a2 = NormalizeAngle(a2);
  if (a1 > kPi) a1 -= kTwoPi;
  if (a2 > kPi) a2 -= kTwoPi;
  if (a2 < a1) a2 += kTwoPi;
  if (a2 > kTwoPi) {
    a1 -= kTwoPi;
    a2 -= kTwoPi;
  }
  arc.a1 = static_cast<float>(a1);
  arc.a2 = static_cast<float>(a2);
}

namespace {

// cos(k·π/2) exactly, so that an arc through an axis reaches exactly cx ± r.
double QuarterTurnCos(long k) {
  switch (((k % 4) + 4) % 4) {
    case 0:
      return 1;
    case 2:
      return -1;
    default:
      return 0;
  }
}

}  // namespace

void SetGlyphExtents(Glyph& glyph, float advance) {
  double minX = std::numeric_limits<double>::infinity();
  double maxX = -minX;
  const auto include = [&](double x) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
  };
  for (const LineStroke& line : glyph.lines) {
    include(line.x1);
    include(line.x2);
  }
  for (const ArcStroke& arc : glyph.arcs) {
    include(arc.cx + arc.r * std::cos(double{arc.a1}));
    include(arc.cx + arc.r * std::cos(double{arc.a2}));
    // Normalised angles span less than one turn within (-2π, 2π]: a handful of crossings.
    if (!std::isfinite(arc.a1) || !std::isfinite(arc.a2)) continue;
    const long first = static_cast<long>(std::ceil(arc.a1 / kHalfPi));
    const long last = static_cast<long>(std::floor(arc.a2 / kHalfPi));
    for (long k = first; k <= last; ++k) include(arc.cx + arc.r * QuarterTurnCos(k));
  }
  if (glyph.lines.empty() && glyph.arcs.empty()) {
    glyph.rightExtent = advance;
    glyph.leftExtent = 0;
  } else {
    glyph.rightExtent = static_cast<float>(maxX);
    glyph.leftExtent = static_cast<float>(minX);
  }
  glyph.trailingSpace = advance - glyph.rightExtent;
}

}  // namespace korvo
