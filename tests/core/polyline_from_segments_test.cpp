#include "core/polyline_from_segments.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

struct V {
  Point at;
  double startWidth = 0;
  double endWidth = 0;
  double bulge = 0;
};

void ExpectSameVertices(const PolylineEntity& actual, const std::vector<V>& expected) {
  ASSERT_EQ(actual.vertexList.size(), expected.size());
  std::size_t i = 0;
  for (const Entity* entity : actual.vertexList) {
    SCOPED_TRACE(i);
    const VertexEntity& v = *entity->AsVertex();
    EXPECT_NEAR(v.position.x, expected[i].at.x, 1e-9);
    EXPECT_NEAR(v.position.y, expected[i].at.y, 1e-9);
    EXPECT_NEAR(v.startWidth, expected[i].startWidth, 1e-12);
    EXPECT_NEAR(v.endWidth, expected[i].endWidth, 1e-12);
    EXPECT_NEAR(v.bulge, expected[i].bulge, 1e-9);
    EXPECT_EQ(v.owner, &actual);
    ++i;
  }
}

// Vertices to segments (as the polyline builds them) and back.
TEST(AppendVerticesFromSegments, GivesBackTheVerticesOfTheSegments) {
  const double quarter = std::tan(kPi / 8);
  struct Case {
    const char* name;
    std::vector<V> vertices;
    bool closed;
  } cases[] = {
      {"open straight chain", {{{0, 0}, 1, 2}, {{4, 0}, 2, 2}, {{4, 3}}}, false},
      {"closed straight triangle", {{{0, 0}, 1, 1}, {{4, 0}, 1, 1}, {{4, 3}, 1, 1}}, true},
      {"counter-clockwise arc first", {{{0, 0}, 1, 2, quarter}, {{2, 0}, 2, 2}, {{2, 5}}}, false},
      {"clockwise arc first", {{{0, 0}, 1, 2, -quarter}, {{2, 0}, 2, 2}, {{2, 5}}}, false},
      {"clockwise arc last", {{{0, 0}, 1, 1}, {{2, 0}, 1, 2, -1}, {{4, 0}}}, false},
      {"two clockwise arcs", {{{0, 0}, 0, 0, -0.5}, {{2, 0}, 0, 0, -0.5}, {{4, 0}}}, false},
      {"closed with a clockwise closing arc",
       {{{0, 0}, 1, 1}, {{4, 0}, 1, 1}, {{4, 4}, 1, 3, -quarter}},
       true},
      {"a single straight segment", {{{0, 0}, 1, 3}, {{5, 5}}}, false},
      {"a single clockwise arc stays an arc", {{{0, 0}, 1, 3, -0.5}, {{5, 5}}}, false},
  };
  DrawingSettings settings;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PolylineEntity original(settings);
    for (const V& v : c.vertices)
      original.AppendVertex(v.at, v.startWidth, v.endWidth, v.bulge, 0, 0);
    original.SetClosed(c.closed);
    original.RebuildSegments();
    PolylineEntity read(settings);
    ASSERT_TRUE(AppendVerticesFromSegments(original.segmentList, c.closed, read));
    std::vector<V> expected = c.vertices;
    // The last vertex of an open polyline gets the last segment's end width twice.
    if (!c.closed) {
      const V& before = expected[expected.size() - 2];
      expected.back().startWidth = expected.back().endWidth = before.endWidth;
    }
    // A lone clockwise arc cannot tell its direction: it is read counter-clockwise, from
    // the other end.
    if (c.vertices.size() == 2 && !c.closed && c.vertices[0].bulge < 0) {
      const V& a = c.vertices[0];
      expected = {{c.vertices[1].at, a.endWidth, a.startWidth, -a.bulge},
                  {a.at, a.startWidth, a.startWidth}};
    }
    ExpectSameVertices(read, expected);
  }
}

TEST(AppendVerticesFromSegments, DonutOfTwoHalfCirclesKeepsItsShape) {
  // Each half circle touches the other at both ends, so either direction of travel is
  // right; the rebuilt arcs must be the same two.
  DrawingSettings settings;
  PolylineEntity original(settings);
  original.AppendVertex(Point(0, 0), 2, 2, 1, 0, 0);
  original.AppendVertex(Point(4, 0), 2, 2, 1, 0, 0);
  original.SetClosed(true);
  original.RebuildSegments();
  PolylineEntity read(settings);
  ASSERT_TRUE(AppendVerticesFromSegments(original.segmentList, true, read));
  read.SetClosed(true);
  read.RebuildSegments();
  const auto arcs = [](const PolylineEntity& p) {
    std::vector<std::pair<double, double>> result;
    for (const Entity* e : p.segmentList) {
      const ArcEntity* arc = e->AsArc();
      // Directions of the start point, rounded to survive the round trip.
      const Point s = arc->StartPoint();
      result.emplace_back(std::round(s.x * 1e6) / 1e6, std::round(s.y * 1e6) / 1e6);
      EXPECT_NEAR(arc->radius, 2, 1e-9);
      EXPECT_NEAR(arc->endAngle - arc->startAngle, kPi, 1e-9);
    }
    std::sort(result.begin(), result.end());
    return result;
  };
  EXPECT_EQ(arcs(read), arcs(original));
}

TEST(AppendVerticesFromSegments, RefusesOtherKinds) {
  DrawingSettings settings;
  EntityList list;
  list.AddTail(new LineEntity(Point(0, 0), Point(1, 0), settings));
  PolylineEntity polyline(settings);
  EXPECT_FALSE(AppendVerticesFromSegments(list, false, polyline));
  EXPECT_TRUE(polyline.vertexList.empty());
  EntityList empty;
  EXPECT_TRUE(AppendVerticesFromSegments(empty, false, polyline));
  EXPECT_TRUE(polyline.vertexList.empty());
}

}  // namespace
}  // namespace korvo
