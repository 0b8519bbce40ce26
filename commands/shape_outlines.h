#pragma once

#include <memory>

#include "commands/draw_options.h"
#include "geometry/point.h"

namespace korvo {

class DrawingSettings;
class PolylineEntity;

// The closed polyline of the rectangle with corners `a` and `b` (any two opposite ones),
// counter-clockwise from the lower-left, every segment `lineWidth` wide. Chamfered corners
// cut `chamfer1` off the horizontal sides and `chamfer2` off the vertical ones; filleted
// corners are quarter circles of `filletRadius`. Corners that do not fit the sides (or cut
// nothing) stay plain. Null for a rectangle without area.
std::unique_ptr<PolylineEntity> RectangleOutline(const Point& a, const Point& b,
                                                 const RectangleOptions& options,
                                                 const DrawingSettings& settings);

// The donut about `center`: a closed polyline of two half circles on the mean diameter,
// as wide as the ring. Inside diameter 0 gives a filled disc. Null when the outside
// diameter is not larger than the inside one, or either is negative.
std::unique_ptr<PolylineEntity> DonutOutline(const Point& center, const DonutOptions& options,
                                             const DrawingSettings& settings);

}  // namespace korvo
