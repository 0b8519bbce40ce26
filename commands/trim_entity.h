#pragma once

#include "geometry/point.h"

namespace korvo {

class Drawing;
class Entity;
class View;

// Cuts away the piece of a line, circle, arc or elliptic arc that holds the tap and is
// bounded by the nearest of `intersections` (its crossings with the cutting edges) on either
// side, or by the entity's ends where none lies on that side. A circle is taken as a full
// arc that starts at the first intersection. The cut itself is BreakEntity's, with its undo
// records and window updates. Returns whether the drawing changed; other kinds never change.
bool TrimEntity(Drawing& drawing, View* view, Entity& entity, const Point& tap,
                const PointList& intersections);

}  // namespace korvo
