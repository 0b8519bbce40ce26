#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "geometry/point.h"

namespace korvo {

enum class SplineDegree { Quadratic = 2, Cubic = 3 };

// The points of a uniform B-spline fitted to a control polygon, each patch converted to
// Bézier form and evaluated at `stepsPerPatch` equal parameter steps, joint points once.
// An open curve starts at the first control point and ends at the last; a closed one runs
// round the closed control polygon and repeats its first point at the end. With fewer than
// three control points (or no steps) the control points come back unchanged.
std::vector<Point> FitSplineCurve(std::span<const Point> controls, SplineDegree degree,
                                  uint32_t stepsPerPatch, bool closed);

// How many points FitSplineCurve gives, without building them.
uint64_t SplineCurvePointCount(std::size_t controlCount, SplineDegree degree,
                               uint32_t stepsPerPatch, bool closed);

}  // namespace korvo
