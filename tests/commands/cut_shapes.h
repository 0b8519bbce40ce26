#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"

namespace korvo::testing::cut {

// The live entities of a drawing, in drawing order, each as a short text whose numbers are
// rounded to 1e-6 ("line 0,0 3,0", "arc 0,0 r10 0..90" with angles in degrees, "circle 0,0
// r10", or the element code): enough to compare cut results written by hand.
inline std::string Rounded(double v) {
  const double r = std::round(v * 1e6) / 1e6;
  char text[32];
  std::snprintf(text, sizeof text, "%g", r == 0 ? 0.0 : r);
  return text;
}

inline std::string Degrees(double radians) {
  return Rounded(radians * 180 / kPi);
}

inline std::string Shape(const Entity& entity) {
  if (const LineEntity* line = entity.AsLine())
    return "line " + Rounded(line->start.x) + "," + Rounded(line->start.y) + " " +
           Rounded(line->end.x) + "," + Rounded(line->end.y);
  if (const ArcEntity* arc = entity.AsArc()) {
    std::string text = entity.GetElementCode() == ElementCode::Ellipse ? "ellipse " : "arc ";
    return text + Rounded(arc->center.x) + "," + Rounded(arc->center.y) + " r" +
           Rounded(arc->radius) + (arc->ratio != 1 ? " ratio" + Rounded(arc->ratio) : "") + " " +
           Degrees(arc->startAngle) + ".." + Degrees(arc->endAngle);
  }
  if (const CircleEntity* circle = entity.AsCircle())
    return "circle " + Rounded(circle->center.x) + "," + Rounded(circle->center.y) + " r" +
           Rounded(circle->radius);
  return "code " + std::to_string(entity.GetElementCode());
}

inline std::vector<std::string> LiveShapes(const Drawing& drawing) {
  std::vector<std::string> shapes;
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased()) shapes.push_back(Shape(*entity));
  return shapes;
}

}  // namespace korvo::testing::cut
