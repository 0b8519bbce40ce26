#include "geometry/spline_fit.h"

namespace korvo {
namespace {

Point Lerp(const Point& a, const Point& b, double t) {
  return Point(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t);
}

Point Middle(const Point& a, const Point& b) {
  return Lerp(a, b, 0.5);
}

// Bézier patches of the B-spline, each of degree + 1 points, consecutive patches sharing
// their joint point.
std::vector<std::vector<Point>> Patches(std::span<const Point> p, SplineDegree degree,
                                        bool closed) {
  const std::size_t n = p.size();
  const auto at = [&](std::size_t i) -> const Point& { return p[i % n]; };
  std::vector<std::vector<Point>> patches;
  if (degree == SplineDegree::Quadratic) {
    // Each patch runs from the middle of one leg over the control point to the middle of
    // the next leg; an open curve is clamped to its end points.
    const std::size_t count = closed ? n : n - 2;
    for (std::size_t i = 0; i < count; ++i) {
      Point from = Middle(at(i), at(i + 1));
      Point to = Middle(at(i + 1), at(i + 2));
      if (!closed && i == 0) from = p[0];
      if (!closed && i + 1 == count) to = p[n - 1];
      patches.push_back({from, at(i + 1), to});
    }
    return patches;
  }
  // Cubic: every leg i is cut at its thirds (a_i, b_i); the patch over leg i runs from the
  // middle of b_{i−1} and a_i to the middle of b_i and a_{i+1}. An open curve is clamped.
  const std::size_t legs = closed ? n : n - 1;
  const auto third = [&](std::size_t i) { return Lerp(at(i), at(i + 1), 1.0 / 3); };
  const auto twoThirds = [&](std::size_t i) { return Lerp(at(i), at(i + 1), 2.0 / 3); };
  for (std::size_t i = 0; i < legs; ++i) {
    Point from = Middle(twoThirds(i == 0 ? legs - 1 : i - 1), third(i));
    Point to = Middle(twoThirds(i), third(i + 1));
    if (!closed && i == 0) from = p[0];
    if (!closed && i + 1 == legs) to = p[n - 1];
    patches.push_back({from, third(i), twoThirds(i), to});
  }
  return patches;
}

Point Evaluate(const std::vector<Point>& patch, double t) {
  // de Casteljau: repeated interpolation is stable for any degree.
  std::vector<Point> work = patch;
  for (std::size_t level = work.size() - 1; level > 0; --level) {
    for (std::size_t i = 0; i < level; ++i) work[i] = Lerp(work[i], work[i + 1], t);
  }
  return work[0];
}

std::size_t PatchCount(std::size_t n, SplineDegree degree, bool closed) {
  if (closed) return n;
  return degree == SplineDegree::Quadratic ? n - 2 : n - 1;
}

}  // namespace

uint64_t SplineCurvePointCount(std::size_t controlCount, SplineDegree degree,
                               uint32_t stepsPerPatch, bool closed) {
  if (controlCount < 3 || stepsPerPatch == 0) return controlCount;
  return uint64_t{PatchCount(controlCount, degree, closed)} * stepsPerPatch + 1;
}

std::vector<Point> FitSplineCurve(std::span<const Point> controls, SplineDegree degree,
                                  uint32_t stepsPerPatch, bool closed) {
  if (controls.size() < 3 || stepsPerPatch == 0) {
    return std::vector<Point>(controls.begin(), controls.end());
  }
  std::vector<Point> curve;
  curve.reserve(SplineCurvePointCount(controls.size(), degree, stepsPerPatch, closed));
  for (const std::vector<Point>& patch : Patches(controls, degree, closed)) {
    // The first point of every patch after the first is the previous patch's last.
    for (uint32_t step = curve.empty() ? 0 : 1; step <= stepsPerPatch; ++step) {
      const double t = static_cast<double>(step) / stepsPerPatch;
      curve.push_back(step == stepsPerPatch ? patch.back() : Evaluate(patch, t));
    }
  }
  return curve;
}

}  // namespace korvo
