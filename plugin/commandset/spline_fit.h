#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "plugin/plugin_api.h"

// Smoothing a polyline: its vertices are the control polygon of a uniform B-spline, which is
// cut into Bezier patches and sampled into the vertices the polyline shows instead.
namespace korvo::commandset::editing {

enum class SplineKind { Quadratic, Cubic };

// The curve through the control polygon, each patch sampled at `steps` equal parameter steps
// (at least one), joint points once. An open curve starts at the first control point and ends
// at the last; a closed one ends where it started, so its last point repeats its first. With
// fewer than three control points the control points themselves are the curve (a closed one
// again ending on its first).
std::vector<PluginPoint> FitSpline(std::span<const PluginPoint> controls, SplineKind kind,
                                   int steps, bool closed);

// How many points FitSpline gives for that many control points, without making them.
uint64_t SplinePointCount(std::size_t controls, SplineKind kind, int steps, bool closed);

// The most points a fit may have; a polyline of more would hardly be drawn.
inline constexpr uint64_t kMostSplinePoints = 1'000'000;

struct FittedVertex {
  PluginPoint position;
  double startWidth;
  double endWidth;
};

// The vertices along `curve` (its repeated last point dropped when closed), the width running
// linearly with the length along the curve from `startWidth` to `endWidth` (a curve of no
// length keeps `startWidth`). Each vertex starts with the width the one before it ended with.
std::vector<FittedVertex> FittedVertices(std::span<const PluginPoint> curve, bool closed,
                                         double startWidth, double endWidth);

}  // namespace korvo::commandset::editing
