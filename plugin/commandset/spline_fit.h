#pragma once

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

struct FittedVertex {
  PluginPoint position;
  double startWidth;
  double endWidth;
};

// The vertices along `curve` (its repeated last point dropped when closed), the width running
// linearly with the length along the curve from `startWidth` to `endWidth`. Each vertex
// starts with the width the one before it ended with.
std::vector<FittedVertex> FittedVertices(std::span<const PluginPoint> curve, bool closed,
                                         double startWidth, double endWidth);

}  // namespace korvo::commandset::editing
