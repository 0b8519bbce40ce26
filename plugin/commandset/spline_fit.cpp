#include "plugin/commandset/spline_fit.h"

#include <algorithm>
#include <cstddef>

#include "plugin/commandset/plane_vector.h"

namespace korvo::commandset::editing {

namespace {

PluginPoint Between(PluginPoint a, PluginPoint b, double t) {
  return a + t * (b - a);
}

PluginPoint QuadraticBezier(const PluginPoint* p, double t) {
  const double u = 1 - t;
  return u * u * p[0] + 2 * u * t * p[1] + t * t * p[2];
}

PluginPoint CubicBezier(const PluginPoint* p, double t) {
  const double u = 1 - t;
  return u * u * u * p[0] + 3 * u * u * t * p[1] + 3 * u * t * t * p[2] + t * t * t * p[3];
}

// A uniform quadratic B-spline is, around each inner control point, the Bezier patch from the
// midpoint of the leg before it to the midpoint of the leg after it. An open curve is pinned
// to its first and last control points instead of the outer midpoints; a closed one starts
// halfway along the first leg.
std::vector<PluginPoint> QuadraticPatches(std::span<const PluginPoint> c, bool closed) {
  const std::size_t n = c.size();
  std::vector<PluginPoint> patches;
  const std::size_t count = closed ? n : n - 2;
  for (std::size_t k = 0; k < count; ++k) {
    const PluginPoint& prev = c[k % n];
    const PluginPoint& mid = c[(k + 1) % n];
    const PluginPoint& next = c[(k + 2) % n];
    const bool first = !closed && k == 0;
    const bool last = !closed && k + 1 == count;
    patches.push_back(first ? prev : Between(prev, mid, 0.5));
    patches.push_back(mid);
    patches.push_back(last ? next : Between(mid, next, 0.5));
  }
  return patches;
}

// A uniform cubic B-spline is, along each leg, the Bezier patch over the leg's points at one
// and two thirds, joined where the two-thirds point of one leg and the one-third point of the
// next meet halfway. An open curve is pinned to its first and last control points.
std::vector<PluginPoint> CubicPatches(std::span<const PluginPoint> c, bool closed) {
  const std::size_t n = c.size();
  const std::size_t legs = closed ? n : n - 1;
  auto oneThird = [&](std::size_t leg) { return Between(c[leg % n], c[(leg + 1) % n], 1.0 / 3); };
  auto twoThirds = [&](std::size_t leg) { return Between(c[leg % n], c[(leg + 1) % n], 2.0 / 3); };
  // The joint at control point i, between leg i - 1 and leg i.
  auto joint = [&](std::size_t i) {
    if (!closed && i == 0) return c[0];
    if (!closed && i == n - 1) return c[n - 1];
    return Between(twoThirds((i + n - 1) % n), oneThird(i % n), 0.5);
  };
  std::vector<PluginPoint> patches;
  for (std::size_t leg = 0; leg < legs; ++leg) {
    patches.push_back(joint(leg));
    patches.push_back(oneThird(leg));
    patches.push_back(twoThirds(leg));
    patches.push_back(joint(leg + 1));
  }
  return patches;
}

std::size_t PatchCount(std::size_t controls, SplineKind kind, bool closed) {
  if (closed) return controls;
  return kind == SplineKind::Quadratic ? controls - 2 : controls - 1;
}

}  // namespace

uint64_t SplinePointCount(std::size_t controls, SplineKind kind, int steps, bool closed) {
  if (controls < 3) return closed && controls > 0 ? controls + 1 : controls;
  return uint64_t{PatchCount(controls, kind, closed)} * static_cast<uint64_t>(std::max(steps, 1)) +
         1;
}

std::vector<PluginPoint> FitSpline(std::span<const PluginPoint> controls, SplineKind kind,
                                   int steps, bool closed) {
  std::vector<PluginPoint> curve;
  if (controls.size() < 3) {
    curve.assign(controls.begin(), controls.end());
    if (closed && !curve.empty()) curve.push_back(curve.front());
    return curve;
  }
  const int n = std::max(steps, 1);
  const std::size_t order = kind == SplineKind::Quadratic ? 3 : 4;
  const std::vector<PluginPoint> patches = kind == SplineKind::Quadratic
                                               ? QuadraticPatches(controls, closed)
                                               : CubicPatches(controls, closed);
  for (std::size_t p = 0; p + order <= patches.size(); p += order) {
    // Each patch starts where the one before it ended; that point is already in the list.
    for (int k = p == 0 ? 0 : 1; k <= n; ++k) {
      const double t = static_cast<double>(k) / n;
      curve.push_back(order == 3 ? QuadraticBezier(&patches[p], t) : CubicBezier(&patches[p], t));
    }
  }
  return curve;
}

std::vector<FittedVertex> FittedVertices(std::span<const PluginPoint> curve, bool closed,
                                         double startWidth, double endWidth) {
  std::vector<FittedVertex> vertices;
  if (curve.empty()) return vertices;
  const std::size_t used = closed ? curve.size() - 1 : curve.size();
  double total = 0;
  for (std::size_t i = 1; i < curve.size(); ++i) total += Length(curve[i] - curve[i - 1]);
  double along = 0;
  double width = startWidth;
  for (std::size_t i = 0; i < used; ++i) {
    double end = endWidth;
    if (i + 1 < used) {
      along += Length(curve[i + 1] - curve[i]);
      // A curve of no length keeps its start width up to the last vertex.
      end = total > 0 ? startWidth + (endWidth - startWidth) * along / total : startWidth;
    }
    vertices.push_back({curve[i], width, end});
    width = end;
  }
  return vertices;
}

}  // namespace korvo::commandset::editing
