// Crossing-window selection takes every entity whose drawn geometry touches or lies inside
// the rectangle. The corner test it used (nearest points to the rectangle's corners) missed
// a line through a thin rectangle and a circle whose edge runs through one.

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing_settings.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

struct Rect {
  double x1, y1, x2, y2;
};

struct Row {
  const char* name;
  Rect rect;
  bool crosses;
};

void ExpectCrossings(const Entity& entity, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(entity.CrossesRect(row.rect.x1, row.rect.y1, row.rect.x2, row.rect.y2), row.crosses);
  }
}

struct CrossesRectMissedRealCrossings : ::testing::Test {
  CrossesRectMissedRealCrossings() { settings.currentLayer = &layer; }
  Layer layer{u"0", 7, nullptr, -3.0};
  DrawingSettings settings;
};

TEST_F(CrossesRectMissedRealCrossings, Line) {
  const LineEntity line(Point(0, 0), Point(10, 10), settings);
  ExpectCrossings(line, {
                            {"thin rectangle across the middle", {4, 4.9, 6, 5.1}, true},
                            {"thin rectangle beside it", {4, 6.5, 6, 6.6}, false},
                            {"touching at an end", {10, 10, 12, 12}, true},
                            {"containing it", {-1, -1, 11, 11}, true},
                            {"inside it, zero size on the line", {3, 3, 3, 3}, true},
                            {"missing it", {20, 0, 21, 1}, false},
                        });
}

TEST_F(CrossesRectMissedRealCrossings, SolidAndTrace) {
  const Point corners[4] = {{0, 0}, {0, 4}, {4, 4}, {4, 0}};
  const SolidEntity solid(corners, settings);
  const TraceEntity trace(corners, settings);
  for (const SolidEntity* filled : {&solid, static_cast<const SolidEntity*>(&trace)}) {
    ExpectCrossings(*filled, {
                                 {"thin rectangle through it", {-1, 2, 5, 2.01}, true},
                                 {"inside the filled area", {1, 1, 2, 2}, true},
                                 {"touching an edge", {4, 1, 5, 2}, true},
                                 {"containing it", {-1, -1, 5, 5}, true},
                                 {"missing it", {5, 5, 6, 6}, false},
                             });
  }
  // A triangle: the rectangle lies beside its slanted edge, within its box.
  const Point triangle[4] = {{0, 0}, {0, 4}, {4, 0}, {4, 0}};
  ExpectCrossings(SolidEntity(triangle, settings), {{"beside the slant", {3, 3, 4, 4}, false}});
}

TEST_F(CrossesRectMissedRealCrossings, CircleArcAndEllipse) {
  const CircleEntity circle(Point(0, 0), 5, settings);
  ExpectCrossings(circle, {
                              {"thin rectangle through its edge", {4.9, -0.1, 5.1, 0.1}, true},
                              {"thin rectangle across the whole circle", {-6, 0, 6, 0.01}, true},
                              {"inside, clear of the edge", {-1, -1, 1, 1}, false},
                              {"containing it", {-6, -6, 6, 6}, true},
                              {"touching it", {5, -1, 6, 1}, true},
                              {"missing it", {6, 6, 7, 7}, false},
                          });
  const ArcEntity arc(settings, Point(0, 0), 5, 0, kHalfPi);
  ExpectCrossings(arc, {
                           {"thin rectangle through the arc", {3, 3.5, 4, 3.6}, true},
                           {"on the circle, off the arc", {-4, -3.5, -3, -3.6}, false},
                           {"containing the arc only", {-0.5, -0.5, 5.5, 5.5}, true},
                       });
  const EllipseEntity ellipse(settings, Point(0, 0), 4, 0.5, 0, 0, kPi);
  ExpectCrossings(ellipse, {
                               {"thin rectangle through the top", {-0.1, 1.9, 0.1, 2.1}, true},
                               {"the bottom half is not drawn", {-0.1, -2.1, 0.1, -1.9}, false},
                               {"inside, clear of the curve", {-1, 0.5, 1, 1}, false},
                               {"containing it", {-5, -3, 5, 3}, true},
                           });
}

TEST_F(CrossesRectMissedRealCrossings, BlockReferenceAndPolyline) {
  InsertEntity insert(u"B", Point(0, 0), 1, 1, 0, settings);
  insert.expanded.AddTail(new CircleEntity(Point(0, 0), 5, settings));
  insert.attached.AddTail(new LineEntity(Point(20, 0), Point(30, 0), settings));
  ExpectCrossings(insert, {
                              {"through an expanded part", {4.9, -0.1, 5.1, 0.1}, true},
                              {"through an attached part", {25, -0.1, 25.1, 0.1}, true},
                              {"between the parts", {10, -1, 11, 1}, false},
                              {"containing every part", {-6, -6, 31, 6}, true},
                          });
  const InsertEntity empty(u"B", Point(3, 3), 1, 1, 0, settings);
  ExpectCrossings(empty, {{"on its insertion point", {2, 2, 4, 4}, true},
                          {"away from it", {5, 5, 6, 6}, false}});

  PolylineEntity polyline(settings);
  polyline.AppendVertex(Point(0, 0), 0, 0, 0, 0, 0);
  polyline.AppendVertex(Point(10, 0), 0, 0, 1, 0, 0);
  polyline.AppendVertex(Point(10, 4), 0, 0, 0, 0, 0);
  polyline.RebuildSegments();
  ExpectCrossings(polyline, {
                                {"across the straight part", {5, -0.1, 5.1, 0.1}, true},
                                {"across the bulge", {11.9, 1.9, 12.1, 2.1}, true},
                                {"inside the bulge, clear of it", {10.5, 1.5, 11, 2.5}, false},
                                {"containing it", {-1, -1, 13, 5}, true},
                            });
}

TEST_F(CrossesRectMissedRealCrossings, WideSegments) {
  const WideLineSegmentEntity bar(Point(0, 0), Point(10, 0), 2, 2);
  ExpectCrossings(bar, {
                           {"inside the band, off the centre line", {4, 0.5, 5, 0.9}, true},
                           {"thin rectangle across the band", {5, -3, 5.01, 3}, true},
                           {"beside the band", {4, 1.1, 5, 2}, false},
                           {"containing it", {-1, -2, 11, 2}, true},
                       });
  const WideArcSegmentEntity band(Point(0, 0), Point(5, 0), Point(0, 5), 2, 2);
  ExpectCrossings(band, {
                            {"inside the band, off the arc", {3.1, 3.1, 3.2, 3.2}, true},
                            {"inside the circle, clear of the band", {1, 1, 2, 2}, false},
                            {"thin rectangle across the band", {4.5, 1, 4.51, 1.2}, true},
                            {"off the band's angles", {-3.6, -3.6, -3.5, -3.5}, false},
                            {"containing it", {-7, -7, 7, 7}, true},
                        });
}

}  // namespace
}  // namespace korvo
