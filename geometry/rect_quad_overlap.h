#pragma once

#include "geometry/point.h"

namespace korvo {

// Whether the axis-parallel rectangle x1 <= x <= x2, y1 <= y <= y2 and the convex
// quadrilateral `quad` (corners in order round it, all finite) share a point: a
// separating-axis test on the rectangle's two axes and the normals of two adjacent edges
// of the quadrilateral. Touching counts as overlapping.
bool RectOverlapsQuad(double x1, double y1, double x2, double y2, const Point (&quad)[4]);

}  // namespace korvo
