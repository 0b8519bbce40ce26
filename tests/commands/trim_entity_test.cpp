#include "commands/trim_entity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "tests/commands/cut_shapes.h"

namespace korvo {
namespace {

using testing::cut::LiveShapes;
using Shapes = std::vector<std::string>;

enum class Kind { Line, Circle, Arc, Ellipse, Point };

Entity* MakeEntity(Kind kind, const DrawingSettings& settings) {
  switch (kind) {
    case Kind::Line:
      return new LineEntity(Point(0, 0), Point(10, 0), settings);
    case Kind::Circle:
      return new CircleEntity(Point(0, 0), 10, settings);
    case Kind::Arc:
      return new ArcEntity(settings, Point(0, 0), 10, 0, kPi);
    case Kind::Ellipse:
      return new EllipseEntity(settings, Point(0, 0), 10, 0.5, 0, 0, kPi);
    case Kind::Point:
      return new PointEntity(settings, Point(5, 0));
  }
  return nullptr;
}

struct Case {
  const char* name;
  Kind kind;
  Point tap;
  PointList intersections;
  bool changed;
  Shapes after;
};

TEST(TrimEntity, RemovesThePieceHoldingTheTapBetweenTheNearestCrossings) {
  const double r = 10 / std::sqrt(2.0);
  const double ey = 5 * std::sin(kPi / 3);  // the ellipse at parameters 60° and 120°
  const Case cases[] = {
      {"line: crossings on both sides of the tap",
       Kind::Line,
       {5, 1},
       {{2, 0}, {8, 0}},
       true,
       {"line 0,0 2,0", "line 8,0 10,0"}},
      {"line: only the nearest crossing on each side counts",
       Kind::Line,
       {5, 0},
       {{1, 0}, {4, 0}, {9, 0}, {7, 0}},
       true,
       {"line 0,0 4,0", "line 7,0 10,0"}},
      {"line: tap before every crossing cuts from the start",
       Kind::Line,
       {1, 0},
       {{2, 0}, {8, 0}},
       true,
       {"line 2,0 10,0"}},
      {"line: tap after every crossing cuts to the end",
       Kind::Line,
       {9, 0},
       {{2, 0}, {8, 0}},
       true,
       {"line 0,0 8,0"}},
      {"line: a crossing at the start and the tap beside it",
       Kind::Line,
       {1, 0},
       {{0, 0}, {6, 0}},
       true,
       {"line 6,0 10,0"}},
      {"circle: the arc on the tap's side goes",
       Kind::Circle,
       {0, 12},
       {{10, 0}, {-10, 0}},
       true,
       {"arc 0,0 r10 180..360"}},
      {"circle: the same whichever crossing comes first",
       Kind::Circle,
       {0, 12},
       {{-10, 0}, {10, 0}},
       true,
       {"arc 0,0 r10 180..360"}},
      {"circle: the other side",
       Kind::Circle,
       {0, -9},
       {{10, 0}, {-10, 0}},
       true,
       {"arc 0,0 r10 0..180"}},
      {"circle: a single crossing cuts nothing",
       Kind::Circle,
       {0, 12},
       {{10, 0}},
       false,
       {"circle 0,0 r10"}},
      {"arc: between two crossings",
       Kind::Arc,
       {0, 10},
       {{r, r}, {-r, r}},
       true,
       {"arc 0,0 r10 0..45", "arc 0,0 r10 135..180"}},
      {"arc: before the first crossing",
       Kind::Arc,
       {10, 1},
       {{r, r}, {-r, r}},
       true,
       {"arc 0,0 r10 45..180"}},
      {"arc: after the last crossing",
       Kind::Arc,
       {-10, 1},
       {{r, r}, {-r, r}},
       true,
       {"arc 0,0 r10 0..135"}},
      {"elliptic arc: in its own parameters",
       Kind::Ellipse,
       {0, 6},
       {{5, ey}, {-5, ey}},
       true,
       {"ellipse 0,0 r10 ratio0.5 0..60", "ellipse 0,0 r10 ratio0.5 120..180"}},
      {"a point is never trimmed", Kind::Point, {5, 0}, {{5, 0}}, false, {"code 16"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    Entity* entity = MakeEntity(c.kind, drawing.settings);
    drawing.entities.AddTail(entity);
    const Shapes before = LiveShapes(drawing);
    EXPECT_EQ(TrimEntity(drawing, nullptr, *entity, c.tap, c.intersections), c.changed);
    drawing.undo.EndUndoGroup();
    EXPECT_EQ(LiveShapes(drawing), c.after);
    if (!c.changed) continue;
    drawing.undo.Undo();
    EXPECT_EQ(LiveShapes(drawing), before);
  }
}

}  // namespace
}  // namespace korvo
