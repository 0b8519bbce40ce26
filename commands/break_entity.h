#pragma once

#include "geometry/point.h"

namespace korvo {

class Drawing;
class Entity;
class View;

// Whether a cut is given by two points or by one (the second point then equals the first).
enum class BreakPoints { One, Two };

// Removes the part of a line, circle, arc or elliptic arc between `a` and `b`, both first
// moved to their nearest points on the entity. What is left stays the same kind with the
// same properties: a line keeps its start piece and gets its end piece as a new line right
// after it; a circle becomes an arc running from b round to a; an arc keeps [start, a] and
// gets [b, end] as a new arc after it. Every change is recorded for undo (added, erased,
// modified). With a `view`, the entity's image is taken off the window with XOR before it
// changes and the pieces are drawn over the window. Returns whether the drawing changed;
// other kinds never change.
bool BreakEntity(Drawing& drawing, View* view, Entity& entity, Point a, Point b,
                 BreakPoints points);

}  // namespace korvo
