#include "core/polyline_entity.h"

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;

constexpr double kEps = 1e-9;

struct Fixture {
  Fixture() {
    settings.currentLayer = &layer;
    settings.currentColorIndex = 3;
  }
  Layer layer{u"0", 7, nullptr, -3.0};
  DrawingSettings settings;
};

struct V {
  Point at;
  double startWidth = 0;
  double endWidth = 0;
  double bulge = 0;
  uint8_t flags = 0;
};

std::unique_ptr<PolylineEntity> Make(const Fixture& f, std::initializer_list<V> vertices,
                                     bool closed = false) {
  auto polyline = std::make_unique<PolylineEntity>(f.settings);
  for (const V& v : vertices) {
    polyline->AppendVertex(v.at, v.startWidth, v.endWidth, v.bulge, v.flags, 0);
  }
  polyline->SetClosed(closed);
  polyline->RebuildSegments();
  return polyline;
}

std::vector<Entity*> Segments(const PolylineEntity& polyline) {
  return std::vector<Entity*>(polyline.segmentList.begin(), polyline.segmentList.end());
}

std::vector<Point> VertexPositions(const PolylineEntity& polyline) {
  std::vector<Point> positions;
  for (Entity* entity : polyline.vertexList) positions.push_back(entity->AsVertex()->position);
  return positions;
}

TEST(PolylineEntity, ConstructionAndIdentity) {
  Fixture f;
  PolylineEntity polyline(f.settings);
  EXPECT_EQ(polyline.blockName, u"#PLINE");
  EXPECT_EQ(polyline.GetElementCode(), ElementCode::Polyline);
  EXPECT_EQ(polyline.colorIndex, 3);
  EXPECT_EQ(polyline.layer, &f.layer);
  EXPECT_EQ(polyline.AsPolyline(), &polyline);
  EXPECT_EQ(polyline.AsInsert(), &polyline);
  EXPECT_EQ(polyline.AsVertexList(), &polyline.vertexList);
  EXPECT_EQ(&polyline.segmentList, &polyline.expanded);
  EXPECT_TRUE(PolylineEntity().blockName.empty());
}

TEST(PolylineEntity, SegmentCountFollowsVerticesAndClosing) {
  struct Case {
    const char* name;
    int vertices;
    bool closed;
    std::size_t segments;
  } cases[] = {
      {"two open: one", 2, false, 1}, {"two closed: there and back", 2, true, 2},
      {"three open", 3, false, 2},    {"three closed", 3, true, 3},
      {"one: invalid", 1, false, 0},  {"one closed: invalid", 1, true, 0},
      {"none", 0, true, 0},
  };
  const Point points[] = {{0, 0}, {4, 0}, {4, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    PolylineEntity polyline(f.settings);
    for (int i = 0; i < c.vertices; ++i) polyline.AppendVertex(points[i], 0, 0, 0, 0, 0);
    polyline.SetClosed(c.closed);
    polyline.RebuildSegments();
    EXPECT_EQ(polyline.IsValid(), c.vertices > 1);
    EXPECT_EQ(polyline.segmentList.size(), c.segments);
    EXPECT_EQ(polyline.segmentsValid, c.vertices > 1 ? 1 : 0);
  }
  Fixture f;
  auto closed = Make(f, {{{0, 0}}, {{4, 0}}}, true);
  const std::vector<Entity*> s = Segments(*closed);
  EXPECT_EQ(s[0]->AsLine()->start, Point(0, 0));
  EXPECT_EQ(s[0]->AsLine()->end, Point(4, 0));
  EXPECT_EQ(s[1]->AsLine()->start, Point(4, 0));
  EXPECT_EQ(s[1]->AsLine()->end, Point(0, 0));
}

TEST(PolylineEntity, SegmentsDrawWithThePolylinesProperties) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}, 1, 1, 0.5}, {{4, 0}}, {{4, 3}}});
  for (Entity* segment : Segments(*polyline)) {
    EXPECT_EQ(segment->layer, &f.layer);
    EXPECT_EQ(segment->colorIndex, 0);
    EXPECT_EQ(segment->lineType, &ByBlockLineType());
    EXPECT_EQ(segment->lineWeight, LineWeight::ByBlock);
  }
}

TEST(PolylineEntity, InsertionPointIsTheFirstSegmentsStartOrCenter) {
  Fixture f;
  EXPECT_EQ(Make(f, {{{2, 1}}, {{4, 0}}})->insertionPoint, Point(2, 1));
  ExpectPointNear(Make(f, {{{0, 0}, 0, 0, 1}, {{4, 0}}})->insertionPoint, Point(2, 0), kEps);
  EXPECT_EQ(Make(f, {{{2, 1}}})->insertionPoint, Point(0, 0));
}

TEST(PolylineEntity, HalfCirclesFromBulgeOne) {
  struct Case {
    const char* name;
    double bulge;
    Point start, end;  // of the stored counter-clockwise arc
    double startWidth, endWidth;
    Point below;  // a point the arc passes through
  } cases[] = {
      {"bulge 1 runs counter-clockwise under the chord", 1, {0, 0}, {2, 0}, 0.5, 1.5, {1, -1}},
      {"bulge -1 is the mirror, stored the other way", -1, {2, 0}, {0, 0}, 1.5, 0.5, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}, 0.5, 1.5, c.bulge}, {{2, 0}}});
    ASSERT_EQ(polyline->segmentList.size(), 1u);
    const WideArcSegmentEntity* arc = polyline->segmentList.Head()->AsWideArcSegment();
    ASSERT_NE(arc, nullptr);
    ExpectPointNear(arc->center, Point(1, 0), kEps);
    EXPECT_NEAR(arc->radius, 1, kEps);
    EXPECT_NEAR(arc->endAngle - arc->startAngle, kPi, kEps);
    ExpectPointNear(arc->StartPoint(), c.start, kEps);
    ExpectPointNear(arc->EndPoint(), c.end, kEps);
    EXPECT_EQ(arc->startWidth, c.startWidth);
    EXPECT_EQ(arc->endWidth, c.endWidth);
    Point on;
    EXPECT_NEAR(arc->ArcEntity::NearestPoint(c.below, on), 0, kEps);
  }
}

TEST(PolylineEntity, BulgeGivesTheIncludedAngle) {
  struct Case {
    const char* name;
    double bulge;
    Point center;
    double included;
  } cases[] = {
      // Chord (0,0)-(2,0): a quarter circle has its centre 1 below... above for CCW.
      {"quarter", std::tan(kPi / 8), {1, 1}, kHalfPi},
      {"three quarters", std::tan(3 * kPi / 8), {1, -1}, 3 * kHalfPi},
      {"clockwise quarter", -std::tan(kPi / 8), {1, -1}, kHalfPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}, 0, 0, c.bulge}, {{2, 0}}});
    const WideArcSegmentEntity* arc = polyline->segmentList.Head()->AsWideArcSegment();
    ASSERT_NE(arc, nullptr);
    ExpectPointNear(arc->center, c.center, kEps);
    EXPECT_NEAR(arc->endAngle - arc->startAngle, c.included, kEps);
  }
}

TEST(PolylineEntity, ZeroWidthsLeaveEveryCornerOnItsVertex) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{4, 0}}, {{4, 3}}, {{0, 3}, 0, 0, 0.5}}, true);
  for (Entity* segment : Segments(*polyline)) {
    const WideLineSegmentEntity* line = segment->AsWideLineSegment();
    if (line == nullptr) continue;
    EXPECT_EQ(line->outlineCorners[Corner::StartLeft], line->start);
    EXPECT_EQ(line->outlineCorners[Corner::StartRight], line->start);
    EXPECT_EQ(line->outlineCorners[Corner::EndLeft], line->end);
    EXPECT_EQ(line->outlineCorners[Corner::EndRight], line->end);
    EXPECT_FALSE(line->IsFilled(0));
  }
}

TEST(PolylineEntity, CollinearWideSegmentsKeepSquareEnds) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}, 2, 2}, {{5, 0}, 2, 2}, {{10, 0}}});
  const std::vector<Entity*> s = Segments(*polyline);
  const auto& first = s[0]->AsWideLineSegment()->outlineCorners;
  const auto& second = s[1]->AsWideLineSegment()->outlineCorners;
  ExpectPointNear(first[Corner::EndLeft], Point(5, 1));
  ExpectPointNear(first[Corner::EndRight], Point(5, -1));
  ExpectPointNear(second[Corner::StartLeft], Point(5, 1));
  ExpectPointNear(second[Corner::StartRight], Point(5, -1));
}

TEST(PolylineEntity, RightAngleCornersMitre) {
  struct Case {
    const char* name;
    double width;
    Point turn;  // the end of the second segment
    Point outer, inner;
  } cases[] = {
      // From (0,0) east to (10,0), then north: the outer corner is on the right.
      {"left turn", 2, {10, 10}, {11, -1}, {9, 1}},
      {"right turn", 2, {10, -10}, {11, 1}, {9, -1}},
      {"narrow", 0.5, {10, 10}, {10.25, -0.25}, {9.75, 0.25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}, c.width, c.width}, {{10, 0}, c.width, c.width}, {c.turn}});
    const std::vector<Entity*> s = Segments(*polyline);
    const auto& a = s[0]->AsWideLineSegment()->outlineCorners;
    const auto& b = s[1]->AsWideLineSegment()->outlineCorners;
    const bool left = c.turn.y > 0;
    const Point& outerA = left ? a[Corner::EndRight] : a[Corner::EndLeft];
    const Point& innerA = left ? a[Corner::EndLeft] : a[Corner::EndRight];
    ExpectPointNear(outerA, c.outer, kEps);
    ExpectPointNear(innerA, c.inner, kEps);
    ExpectPointNear(left ? b[Corner::StartRight] : b[Corner::StartLeft], c.outer, kEps);
    ExpectPointNear(left ? b[Corner::StartLeft] : b[Corner::StartRight], c.inner, kEps);
    EXPECT_NEAR(Distance(outerA, Point(10, 0)), c.width / std::sqrt(2.0), kEps);
    // The open ends stay square.
    ExpectPointNear(a[Corner::StartLeft], Point(0, c.width / 2), kEps);
    ExpectPointNear(b[Corner::EndLeft], c.turn + Point(-c.width / 2, 0) * (left ? 1 : -1), kEps);
  }
}

TEST(PolylineEntity, JointsThatCannotBeReachedStaySquare) {
  struct Case {
    const char* name;
    std::initializer_list<V> vertices;
  } cases[] = {
      // Nearly reversing: the inner corner would lie far behind the short segments' starts.
      {"hairpin", {{{0, 0}, 2, 2}, {{3, 0}, 2, 2}, {{0, 0.2}}}},
      {"exactly reversed", {{{0, 0}, 2, 2}, {{3, 0}, 2, 2}, {{1, 0}}}},
      {"no width at the joint", {{{0, 0}, 2, 0}, {{3, 0}, 2, 2}, {{3, 3}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, c.vertices);
    const std::vector<Entity*> s = Segments(*polyline);
    const WideLineSegmentEntity* a = s[0]->AsWideLineSegment();
    const WideLineSegmentEntity* b = s[1]->AsWideLineSegment();
    const Point na = a->LeftNormal() * (a->endWidth / 2);
    const Point nb = b->LeftNormal() * (b->startWidth / 2);
    ExpectPointNear(a->outlineCorners[Corner::EndLeft], a->end + na, kEps);
    ExpectPointNear(a->outlineCorners[Corner::EndRight], a->end - na, kEps);
    ExpectPointNear(b->outlineCorners[Corner::StartLeft], b->start + nb, kEps);
    ExpectPointNear(b->outlineCorners[Corner::StartRight], b->start - nb, kEps);
  }
}

TEST(PolylineEntity, ClosedPolylineMitresItsFirstVertexToo) {
  Fixture f;
  auto square = Make(f, {{{0, 0}, 2, 2}, {{10, 0}, 2, 2}, {{10, 10}, 2, 2}, {{0, 10}, 2, 2}}, true);
  const std::vector<Entity*> s = Segments(*square);
  ASSERT_EQ(s.size(), 4u);
  // Counter-clockwise square: outer corners on the right.
  ExpectPointNear(s[0]->AsWideLineSegment()->outlineCorners[Corner::StartRight], Point(-1, -1),
                  kEps);
  ExpectPointNear(s[3]->AsWideLineSegment()->outlineCorners[Corner::EndRight], Point(-1, -1), kEps);
  ExpectPointNear(s[0]->AsWideLineSegment()->outlineCorners[Corner::StartLeft], Point(1, 1), kEps);
}

TEST(PolylineEntity, StraightSegmentMeetsAnArcOnItsRadius) {
  // East to (10,0), then a half circle of radius 5 counter-clockwise about (10,5) back west;
  // the line's end corners sit on the radial line x = 10 through the arc's start.
  Fixture f;
  auto polyline = Make(f, {{{0, 0}, 2, 2}, {{10, 0}, 2, 2, 1}, {{10, 10}}});
  const std::vector<Entity*> s = Segments(*polyline);
  ASSERT_NE(s[1]->AsWideArcSegment(), nullptr);
  const auto& corners = s[0]->AsWideLineSegment()->outlineCorners;
  ExpectPointNear(corners[Corner::EndLeft], Point(10, 1), kEps);
  ExpectPointNear(corners[Corner::EndRight], Point(10, -1), kEps);

  // Arriving obliquely: the corners move onto the radial line, off the square positions.
  auto oblique = Make(f, {{{0, 0}, 2, 2}, {{10, 0}, 2, 2, 1}, {{14, 8}}});
  const WideArcSegmentEntity* arc = Segments(*oblique)[1]->AsWideArcSegment();
  ASSERT_NE(arc, nullptr);
  const auto& moved = Segments(*oblique)[0]->AsWideLineSegment()->outlineCorners;
  for (int corner : {Corner::EndLeft, Corner::EndRight}) {
    SCOPED_TRACE(corner);
    // On the line through the centre and the joint (10, 0).
    const Point d = moved[corner] - arc->center;
    const Point r = Point(10, 0) - arc->center;
    EXPECT_NEAR(d.x * r.y - d.y * r.x, 0, 1e-9);
    EXPECT_NEAR(std::fabs(moved[corner].y), 1, 1e-9);
  }
  EXPECT_NE(moved[Corner::EndLeft], Point(10, 1));

  // Unequal widths: no join.
  auto tapered = Make(f, {{{0, 0}, 2, 1}, {{10, 0}, 2, 2, 1}, {{14, 8}}});
  ExpectPointNear(Segments(*tapered)[0]->AsWideLineSegment()->outlineCorners[Corner::EndLeft],
                  Point(10, 0.5), kEps);
}

TEST(PolylineEntity, ControlPointsAreSkipped) {
  Fixture f;
  auto polyline = Make(f,
                       {{{0, 0}, 0, 0, 0, VertexFlag::SplineFrame},
                        {{1, 1}, 0, 0, 0, VertexFlag::SplineFit},
                        {{5, 5}, 0, 0, 0, VertexFlag::SplineFrame},
                        {{2, 1}, 0, 0, 0, VertexFlag::SplineFit},
                        {{3, 0}, 0, 0, 0, VertexFlag::SplineFit}},
                       true);
  const std::vector<Entity*> s = Segments(*polyline);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0]->AsLine()->start, Point(1, 1));
  EXPECT_EQ(s[0]->AsLine()->end, Point(2, 1));
  EXPECT_EQ(s[2]->AsLine()->start, Point(3, 0));
  EXPECT_EQ(s[2]->AsLine()->end, Point(1, 1));
}

TEST(PolylineEntity, ClearingTheSplineBitKeepsOnlyTheControlPoints) {
  struct Case {
    const char* name;
    int code;
    int value;
    bool dropped;
  } cases[] = {
      {"flags without the spline bit", 70, 0x02, true},
      {"flags keeping it", 70, 0x05, false},
      {"curve type alone", 75, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}, 0, 0, 0, VertexFlag::SplineFrame},
                             {{1, 1}, 0, 0, 0, VertexFlag::SplineFit},
                             {{4, 0}, 0, 0, 0, VertexFlag::SplineFrame},
                             {{2, 1}, 0, 0, 0, VertexFlag::SplineFit},
                             {{8, 4}, 0, 0, 0, VertexFlag::CurveFitTangent}});
    polyline->polylineFlags = PolylineFlag::SplineFit;
    polyline->curveType = PolylineCurve::Cubic;
    EXPECT_TRUE(polyline->SetTypeProperty(c.code, PropertyValue(c.value)));
    EXPECT_EQ(polyline->segmentsValid, 1);
    if (c.dropped) {
      EXPECT_EQ(VertexPositions(*polyline), (std::vector<Point>{{0, 0}, {4, 0}, {8, 4}}));
      std::vector<int> flags;
      for (Entity* v : polyline->vertexList) flags.push_back(v->AsVertex()->vertexFlags);
      EXPECT_EQ(flags, (std::vector<int>{0, 0, VertexFlag::CurveFitTangent}));
      // The segments follow the control polygon.
      const std::vector<Entity*> s = Segments(*polyline);
      ASSERT_EQ(s.size(), 2u);
      EXPECT_EQ(s[0]->AsLine()->end, Point(4, 0));
    } else {
      EXPECT_EQ(polyline->vertexList.size(), 5u);
    }
  }
}

TEST(PolylineEntity, TypePropertiesAreFlagsAndCurveTypeOnly) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{1, 0}}});
  EXPECT_TRUE(polyline->SetTypeProperty(70, PropertyValue(0x101)));
  EXPECT_EQ(polyline->polylineFlags, 0x01);
  EXPECT_EQ(polyline->segmentList.size(), 2u);
  EXPECT_TRUE(polyline->SetTypeProperty(75, PropertyValue(6)));
  PropertyValue out;
  EXPECT_TRUE(polyline->GetTypeProperty(75, out));
  EXPECT_EQ(std::get<int>(out), 6);
  EXPECT_TRUE(polyline->GetTypeProperty(70, out));
  EXPECT_EQ(std::get<int>(out), 1);
  for (int code : {2, 10, 41, 50, 0x000A0014}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(polyline->GetTypeProperty(code, out));
    EXPECT_FALSE(polyline->SetTypeProperty(code, PropertyValue(1.0)));
  }
  EXPECT_FALSE(polyline->SetTypeProperty(70, PropertyValue(1.0)));
}

TEST(PolylineEntity, MirrorTurnsArcsAndKeepsWidthsPositive) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}, 1, 2, 0.5}, {{4, 0}, 2, 2}, {{4, 4}}});
  polyline->Scale(Scaling{Point(0, 0), -1, 1});
  std::vector<double> bulges;
  for (Entity* v : polyline->vertexList) {
    bulges.push_back(v->AsVertex()->bulge);
    EXPECT_GE(v->AsVertex()->startWidth, 0);
  }
  EXPECT_EQ(bulges, (std::vector<double>{-0.5, 0, 0}));
  // The scaled segments agree with those the scaled vertices give.
  auto rebuilt = Make(f, {{{0, 0}, 1, 2, -0.5}, {{-4, 0}, 2, 2}, {{-4, 4}}});
  const std::vector<Entity*> scaled = Segments(*polyline);
  const std::vector<Entity*> expected = Segments(*rebuilt);
  const WideArcSegmentEntity* arc = scaled[0]->AsWideArcSegment();
  const WideArcSegmentEntity* expectedArc = expected[0]->AsWideArcSegment();
  ASSERT_NE(arc, nullptr);
  ASSERT_NE(expectedArc, nullptr);
  ExpectPointNear(arc->center, expectedArc->center, kEps);
  ExpectPointNear(arc->StartPoint(), expectedArc->StartPoint(), kEps);
  ExpectPointNear(arc->EndPoint(), expectedArc->EndPoint(), kEps);
  EXPECT_NEAR(arc->startWidth, expectedArc->startWidth, kEps);
  EXPECT_NEAR(arc->endWidth, expectedArc->endWidth, kEps);
  EXPECT_EQ(scaled[1]->AsWideLineSegment()->startWidth, 2);
}

TEST(PolylineEntity, TransformsMoveVerticesAndSegmentsButNotTheInsertionPoint) {
  Fixture f;
  auto polyline = Make(f, {{{1, 0}}, {{4, 0}}});
  polyline->insertionPoint = Point(7, 7);
  polyline->Translate(Point(1, 2));
  polyline->Rotate(Rotation::About(Point(0, 0), kHalfPi));
  EXPECT_EQ(polyline->insertionPoint, Point(7, 7));
  ExpectPointNear(VertexPositions(*polyline)[1], Point(-2, 5), kEps);
  ExpectPointNear(polyline->segmentList.Head()->AsLine()->end, Point(-2, 5), kEps);
  // Unequal factors: the arcs stay circular, as the vertices describe them.
  auto arc = Make(f, {{{0, 0}, 0, 0, 1}, {{2, 0}}});
  arc->Scale(Scaling{Point(0, 0), 2, 1});
  const WideArcSegmentEntity* segment = arc->segmentList.Head()->AsWideArcSegment();
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->ratio, 1);
  ExpectPointNear(segment->center, Point(2, 0), kEps);
}

TEST(PolylineEntity, CopyFromTakesVerticesAndSetsOwners) {
  Fixture f;
  auto source = Make(f, {{{0, 0}, 1, 1, 0.5}, {{4, 0}}}, true);
  source->curveType = PolylineCurve::Quadratic;
  PolylineEntity copy;
  copy.CopyFrom(*source);
  EXPECT_EQ(VertexPositions(copy), VertexPositions(*source));
  EXPECT_EQ(copy.polylineFlags, source->polylineFlags);
  EXPECT_EQ(copy.curveType, PolylineCurve::Quadratic);
  EXPECT_EQ(copy.segmentsValid, 1);
  EXPECT_EQ(copy.segmentList.size(), 2u);
  EXPECT_EQ(copy.blockName, u"#PLINE");
  for (Entity* v : copy.vertexList) EXPECT_EQ(v->AsVertex()->owner, &copy);
  EXPECT_EQ(copy.vertexList.Head()->AsVertex()->bulge, 0.5);
  // A vertex change marks the copy stale, not the source.
  copy.vertexList.Head()->SetTypeProperty(40, PropertyValue(3.0));
  EXPECT_EQ(copy.segmentsValid, 0);
  EXPECT_EQ(source->segmentsValid, 1);
  // Nothing from another kind, not even from a plain block reference.
  InsertEntity insert(u"B", Point(1, 1), 1, 1, 0, f.settings);
  copy.CopyFrom(insert);
  EXPECT_EQ(copy.blockName, u"#PLINE");
  EXPECT_EQ(copy.vertexList.size(), 2u);
}

TEST(PolylineEntity, CopyPropertiesReachesSegmentsAndVertices) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{4, 0}}});
  Layer other{u"OTHER", 1, nullptr, -3.0};
  LineEntity source(Point(), Point(), f.settings);
  source.layer = &other;
  source.SetColorIndex(5);
  polyline->CopyProperties(source);
  EXPECT_EQ(polyline->colorIndex, 5);
  EXPECT_EQ(polyline->segmentList.Head()->layer, &other);
  EXPECT_EQ(polyline->vertexList.Tail()->colorIndex, 5);
}

TEST(PolylineEntity, AppendArcVertexBothModes) {
  struct Case {
    const char* name;
    int mode;
    Point start, reference, end;
    double bulge;
  } cases[] = {
      {"centre: counter-clockwise quarter", 2, {1, 0}, {0, 0}, {0, 1}, std::tan(kPi / 8)},
      {"centre: three quarters the long way", 2, {0, 1}, {0, 0}, {1, 0}, std::tan(3 * kPi / 8)},
      {"tangent: turning left", 1, {0, 0}, {-1, 0}, {1, 1}, std::tan(kPi / 8)},
      {"tangent: turning right", 1, {0, 0}, {-1, 0}, {1, -1}, -std::tan(kPi / 8)},
      {"tangent: half circle back", 1, {0, 0}, {-1, 0}, {0, 2}, 1},
      {"tangent: straight on", 1, {0, 0}, {-1, 0}, {5, 0}, 0},
      {"unknown mode", 3, {0, 0}, {-1, 0}, {1, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    PolylineEntity polyline(f.settings);
    VertexEntity* vertex =
        polyline.AppendArcVertex(c.mode, c.start, c.reference, c.end, 1, 2, 0, 0.25);
    ASSERT_NE(vertex, nullptr);
    EXPECT_EQ(vertex->position, c.start);
    EXPECT_NEAR(vertex->bulge, c.bulge, kEps);
    EXPECT_EQ(vertex->startWidth, 1);
    EXPECT_EQ(vertex->tangentDirection, 0.25);
    EXPECT_EQ(vertex->owner, &polyline);
    // The arc the bulge gives really ends at `end`.
    polyline.AppendVertex(c.end, 0, 0, 0, 0, 0);
    polyline.RebuildSegments();
    Point on;
    EXPECT_NEAR(polyline.segmentList.Head()->NearestPoint(c.end, on), 0, 1e-9);
  }
}

TEST(PolylineEntity, AppendAndRemoveMarkTheSegmentsStale) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{4, 0}}});
  ASSERT_EQ(polyline->segmentsValid, 1);
  VertexEntity* vertex = polyline->AppendVertex(8, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(polyline->segmentsValid, 0);
  EXPECT_EQ(vertex->colorIndex, 3);
  EXPECT_EQ(vertex->layer, &f.layer);
  polyline->RebuildSegments();
  polyline->RemoveLastVertex();
  EXPECT_EQ(polyline->segmentsValid, 0);
  EXPECT_EQ(polyline->vertexList.size(), 2u);
  PolylineEntity empty;
  empty.RemoveLastVertex();
  EXPECT_TRUE(empty.vertexList.empty());
}

TEST(PolylineEntity, ExtremeBulgesGiveFiniteSegments) {
  const double cases[] = {1e300,
                          -1e300,
                          1e-300,
                          std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity()};
  for (double bulge : cases) {
    SCOPED_TRACE(bulge);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}, 1, 1, bulge}, {{4, 0}, 1, 1}, {{4, 4}}}, true);
    ASSERT_EQ(polyline->segmentList.size(), 3u);
    Point min, max;
    ASSERT_TRUE(polyline->GetExtents(min, max));
    EXPECT_TRUE(std::isfinite(min.x) && std::isfinite(min.y));
    EXPECT_TRUE(std::isfinite(max.x) && std::isfinite(max.y));
    Point out;
    EXPECT_TRUE(std::isfinite(polyline->NearestPoint(Point(2, 2), out)));
  }
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// The segments are hidden by a frozen layer as the polyline is: moved to another layer, the
// polyline takes them (and its vertices) along.
TEST(PolylineLayer, SettingTheLayerMovesSegmentsAndVertices) {
  Fixture f;
  Layer walls{u"walls", 1, nullptr, -3.0};
  auto polyline = Make(f, {{{0, 0}, 1, 1}, {{4, 0}}, {{4, 4}}});
  ASSERT_TRUE(polyline->SetProperty(8, &walls));
  f.layer.SetFrozen(true);
  EXPECT_TRUE(polyline->IsVisible());
  ASSERT_EQ(polyline->segmentList.size(), 2u);
  for (const Entity* segment : polyline->segmentList) {
    EXPECT_EQ(segment->layer, &walls);
    EXPECT_TRUE(segment->IsVisible());
  }
  for (const Entity* vertex : polyline->vertexList) EXPECT_EQ(vertex->layer, &walls);
}

TEST(PolylineFitSpline, ControlPointsKeptAndFitVerticesAppended) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}, 1, 9}, {{2, 4}, 5, 5}, {{4, 0}, 7, 3}});
  ASSERT_TRUE(polyline->FitSpline(PolylineCurve::Quadratic, 2));
  EXPECT_EQ(polyline->polylineFlags, PolylineFlag::SplineFit);
  EXPECT_EQ(polyline->curveType, PolylineCurve::Quadratic);
  std::vector<int> flags;
  std::vector<double> starts, ends;
  for (Entity* e : polyline->vertexList) {
    flags.push_back(e->AsVertex()->vertexFlags);
    starts.push_back(e->AsVertex()->startWidth);
    ends.push_back(e->AsVertex()->endWidth);
  }
  EXPECT_EQ(flags, (std::vector<int>{16, 16, 16, 8, 8, 8}));
  EXPECT_EQ(VertexPositions(*polyline),
            (std::vector<Point>{{0, 0}, {2, 4}, {4, 0}, {0, 0}, {2, 2}, {4, 0}}));
  // From the first control's start width 1 to the last one's end width 3, by curve length:
  // the two halves are equally long.
  EXPECT_EQ(std::vector<double>(starts.begin() + 3, starts.end()), (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(std::vector<double>(ends.begin() + 3, ends.end()), (std::vector<double>{2, 3, 3}));
  // The segments run over the fit vertices only.
  ASSERT_EQ(polyline->segmentList.size(), 2u);
  EXPECT_EQ(polyline->segmentList.Head()->AsLine()->end, Point(2, 2));
}

TEST(PolylineFitSpline, FittingAgainReplacesTheEarlierFit) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{2, 4}}, {{4, 0}}, {{6, 4}}}, true);
  ASSERT_TRUE(polyline->FitSpline(PolylineCurve::Cubic, 4));
  const std::size_t once = polyline->vertexList.size();
  EXPECT_EQ(once, 4u + 4 * 4);  // closed: the repeated first point is not appended
  ASSERT_TRUE(polyline->FitSpline(PolylineCurve::Cubic, 4));
  EXPECT_EQ(polyline->vertexList.size(), once);
  ASSERT_TRUE(polyline->FitSpline(PolylineCurve::Quadratic, 2));
  EXPECT_EQ(polyline->vertexList.size(), 4u + 4 * 2);
  // Turning smoothing off restores the control polygon.
  ASSERT_TRUE(polyline->SetTypeProperty(70, PropertyValue(int{PolylineFlag::Closed})));
  EXPECT_EQ(VertexPositions(*polyline), (std::vector<Point>{{0, 0}, {2, 4}, {4, 0}, {6, 4}}));
}

// Fewer than three control points come back as they are, without a repeated first point:
// a closed polyline keeps every one of them and still draws.
TEST(PolylineFitSpline, ClosedPolylineOfTwoVerticesKeepsBoth) {
  Fixture f;
  auto polyline = Make(f, {{{0, 0}}, {{4, 0}}}, true);
  ASSERT_EQ(polyline->segmentList.size(), 2u);
  ASSERT_TRUE(polyline->FitSpline(PolylineCurve::Cubic, 4));
  EXPECT_EQ(VertexPositions(*polyline), (std::vector<Point>{{0, 0}, {4, 0}, {0, 0}, {4, 0}}));
  EXPECT_EQ(polyline->segmentList.size(), 2u);
}

TEST(PolylineFitSpline, RefusedFits) {
  struct Case {
    const char* name;
    uint8_t type;
    uint32_t steps;
  } cases[] = {{"no smoothing", PolylineCurve::None, 8},
               {"unknown type", 7, 8},
               {"no steps", PolylineCurve::Cubic, 0},
               {"more vertices than memory allows", PolylineCurve::Cubic, 4'000'000'000u}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    auto polyline = Make(f, {{{0, 0}}, {{2, 4}}, {{4, 0}}});
    EXPECT_FALSE(polyline->FitSpline(c.type, c.steps));
    EXPECT_EQ(polyline->vertexList.size(), 3u);
    EXPECT_EQ(polyline->polylineFlags, 0);
    EXPECT_EQ(polyline->vertexList.Head()->AsVertex()->vertexFlags, 0);
  }
}

}  // namespace
}  // namespace korvo
