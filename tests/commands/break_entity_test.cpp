#include "commands/break_entity.h"

#include <gtest/gtest.h>

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

enum class Kind { Line, Circle, Arc, Ellipse };

Entity* MakeEntity(Kind kind, const DrawingSettings& settings) {
  switch (kind) {
    case Kind::Line:
      return new LineEntity(Point(0, 0), Point(10, 0), settings);
    case Kind::Circle:
      return new CircleEntity(Point(0, 0), 10, settings);
    case Kind::Arc:
      return new ArcEntity(settings, Point(0, 0), 10, 0, kPi);
    case Kind::Ellipse:
      // Major axis along y: points of the upper half in its own frame lie at x < 0.
      return new EllipseEntity(settings, Point(0, 0), 10, 0.5, kPi / 2, 0, kPi);
  }
  return nullptr;
}

struct Case {
  const char* name;
  Kind kind;
  Point a;
  Point b;
  BreakPoints points;
  bool changed;
  Shapes after;
};

// The ellipse of MakeEntity at parameter t: (−5 sin t, 10 cos t).
Point OnEllipse(double degrees) {
  const double t = degrees * kPi / 180;
  return {-5 * std::sin(t), 10 * std::cos(t)};
}

TEST(BreakEntity, CutsThePartBetweenThePointsAndUndoRestoresIt) {
  const double r = 10 / std::sqrt(2.0);
  const Case cases[] = {
      {"line: two inner points, the end piece right after the start piece",
       Kind::Line,
       {3, 0},
       {6, 0},
       BreakPoints::Two,
       true,
       {"line 0,0 3,0", "line 6,0 10,0"}},
      {"line: points given from the end",
       Kind::Line,
       {6, 0},
       {3, 0},
       BreakPoints::Two,
       true,
       {"line 0,0 3,0", "line 6,0 10,0"}},
      {"line: points off the line go to their nearest points",
       Kind::Line,
       {3, 4},
       {6, -2},
       BreakPoints::Two,
       true,
       {"line 0,0 3,0", "line 6,0 10,0"}},
      {"line: one point splits it",
       Kind::Line,
       {3, 0},
       {9, 9},
       BreakPoints::One,
       true,
       {"line 0,0 3,0", "line 3,0 10,0"}},
      {"line: from its start keeps only the end piece",
       Kind::Line,
       {0, 0},
       {4, 0},
       BreakPoints::Two,
       true,
       {"line 4,0 10,0"}},
      {"line: to its end keeps only the start piece",
       Kind::Line,
       {4, 0},
       {10, 0},
       BreakPoints::Two,
       true,
       {"line 0,0 4,0"}},
      {"line: end to end leaves nothing", Kind::Line, {0, 0}, {10, 0}, BreakPoints::Two, true, {}},
      {"line: both points at its start",
       Kind::Line,
       {0, 0},
       {0, 0},
       BreakPoints::Two,
       false,
       {"line 0,0 10,0"}},
      {"line: one point at its end",
       Kind::Line,
       {12, 0},
       {},
       BreakPoints::One,
       false,
       {"line 0,0 10,0"}},
      {"circle: two identical points",
       Kind::Circle,
       {10, 0},
       {10, 0},
       BreakPoints::Two,
       false,
       {"circle 0,0 r10"}},
      {"circle: one point", Kind::Circle, {0, 10}, {}, BreakPoints::One, false, {"circle 0,0 r10"}},
      {"circle: becomes the arc from b round to a",
       Kind::Circle,
       {10, 0},
       {0, 10},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 90..360"}},
      {"arc: inner points leave two arcs",
       Kind::Arc,
       {r, r},
       {-r, r},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 0..45", "arc 0,0 r10 135..180"}},
      {"arc: points in either order",
       Kind::Arc,
       {-r, r},
       {r, r},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 0..45", "arc 0,0 r10 135..180"}},
      {"arc: from its start",
       Kind::Arc,
       {10, 0},
       {0, 10},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 90..180"}},
      {"arc: to its end",
       Kind::Arc,
       {0, 10},
       {-10, 0},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 0..90"}},
      {"arc: one point splits it",
       Kind::Arc,
       {0, 12},
       {},
       BreakPoints::One,
       true,
       {"arc 0,0 r10 0..90", "arc 0,0 r10 90..180"}},
      {"arc: one point at its start",
       Kind::Arc,
       {10, 0},
       {},
       BreakPoints::One,
       false,
       {"arc 0,0 r10 0..180"}},
      {"arc: both points at its end",
       Kind::Arc,
       {-10, 0},
       {-12, 0},
       BreakPoints::Two,
       false,
       {"arc 0,0 r10 0..180"}},
      {"arc: end to end leaves nothing", Kind::Arc, {10, 0}, {-10, 0}, BreakPoints::Two, true, {}},
      {"arc: a point below the arc counts at its nearer end",
       Kind::Arc,
       {10, -3},
       {0, 10},
       BreakPoints::Two,
       true,
       {"arc 0,0 r10 90..180"}},
      {"elliptic arc: cut in its own parameters",
       Kind::Ellipse,
       OnEllipse(60),
       OnEllipse(120),
       BreakPoints::Two,
       true,
       {"ellipse 0,0 r10 ratio0.5 0..60", "ellipse 0,0 r10 ratio0.5 120..180"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    Entity* entity = MakeEntity(c.kind, drawing.settings);
    drawing.entities.AddTail(entity);
    const Shapes before = LiveShapes(drawing);
    EXPECT_EQ(BreakEntity(drawing, nullptr, *entity, c.a, c.b, c.points), c.changed);
    drawing.undo.EndUndoGroup();
    EXPECT_EQ(LiveShapes(drawing), c.after);
    EXPECT_EQ(drawing.undo.CanUndo(), c.changed);
    if (!c.changed) continue;
    drawing.undo.Undo();
    EXPECT_EQ(LiveShapes(drawing), before);
    drawing.undo.Redo();
    EXPECT_EQ(LiveShapes(drawing), c.after);
  }
}

TEST(BreakEntity, PiecesKeepTheProperties) {
  Drawing drawing;
  drawing.New();
  auto* line = new LineEntity(Point(0, 0), Point(10, 0), drawing.settings);
  line->colorIndex = 3;
  line->lineWeight = 0.5;
  drawing.entities.AddTail(line);
  auto* circle = new CircleEntity(Point(0, 0), 10, drawing.settings);
  circle->colorIndex = 5;
  drawing.entities.AddTail(circle);
  ASSERT_TRUE(BreakEntity(drawing, nullptr, *line, {3, 0}, {6, 0}, BreakPoints::Two));
  ASSERT_TRUE(BreakEntity(drawing, nullptr, *circle, {10, 0}, {0, 10}, BreakPoints::Two));
  std::vector<const Entity*> live;
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased()) live.push_back(entity);
  ASSERT_EQ(live.size(), 3u);
  EXPECT_EQ(live[1]->colorIndex, 3);
  EXPECT_EQ(live[1]->lineWeight, 0.5);
  EXPECT_EQ(live[1]->layer, line->layer);
  EXPECT_EQ(live[2]->colorIndex, 5);
}

TEST(BreakEntity, OtherKindsAreLeftAlone) {
  Drawing drawing;
  drawing.New();
  auto* point = new PointEntity(drawing.settings, Point(1, 1));
  drawing.entities.AddTail(point);
  EXPECT_FALSE(BreakEntity(drawing, nullptr, *point, {1, 1}, {1, 1}, BreakPoints::Two));
  EXPECT_FALSE(drawing.undo.CanUndo());
}

}  // namespace
}  // namespace korvo
