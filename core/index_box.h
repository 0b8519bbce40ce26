#pragma once

#include "geometry/point.h"

namespace korvo {

class Entity;

// The box within which everything an entity answers lies, for the spatial index: its
// extents, the points its snaps, picks and window tests may report outside them (an arc's
// centre, a text's insertion point and frame, a reference's insertion point while it has no
// parts, the same of every part of a reference), widened by a little more than the
// intersection routines' tolerances let a crossing stray from the curves. False when the
// entity has no such box or it is not finite: such an entity must be asked every time.
bool GetIndexBox(const Entity& entity, Point& min, Point& max);

}  // namespace korvo
