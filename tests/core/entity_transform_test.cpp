// Transforms that have no image (a factor of zero, a number that is none) leave every kind
// of entity as it was.

#include <cmath>
#include <functional>
#include <limits>
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
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/trace_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"

namespace korvo {
namespace {

struct Fixture {
  Fixture() { settings.currentLayer = &layer; }
  Layer layer{u"0", 7, nullptr, -3.0};
  DrawingSettings settings;
};

// What a transform may change: the saved body and, for kinds with generated parts, the
// extents of those parts. A text, a block reference and a polyline refer to tables that
// their bodies name through a save context; their fields are written instead.
std::vector<uint8_t> Shape(const Entity& entity) {
  ArchiveWriter writer;
  if (const TextEntity* text = entity.AsText()) {
    writer.WritePoint(text->insertionPoint);
    writer.WriteF64(text->height);
    writer.WriteF64(text->widthFactor);
    writer.WriteF64(text->rotation);
    writer.WriteF64(text->obliqueAngle);
    writer.WriteU8(text->generationFlags);
    return writer.bytes();
  }
  if (const InsertEntity* insert = entity.AsInsert()) {
    writer.WritePoint(insert->insertionPoint);
    writer.WriteF64(insert->xScale);
    writer.WriteF64(insert->yScale);
    writer.WriteF64(insert->rotation);
    if (const EntityList* vertices = entity.AsVertexList()) {
      for (const Entity* vertex : *vertices) EXPECT_TRUE(vertex->WriteBody(writer));
    }
  } else {
    EXPECT_TRUE(entity.WriteBody(writer));
  }
  Point min, max;
  if (entity.GetExtents(min, max)) {
    writer.WritePoint(min);
    writer.WritePoint(max);
  }
  return writer.bytes();
}

std::vector<std::unique_ptr<Entity>> EveryKind(const DrawingSettings& settings) {
  std::vector<std::unique_ptr<Entity>> kinds;
  kinds.push_back(std::make_unique<LineEntity>(Point(1, 2), Point(3, 5), settings));
  kinds.push_back(std::make_unique<PointEntity>(settings, Point(1, 2)));
  kinds.push_back(std::make_unique<SolidEntity>(1, 2, 3, 4, settings));
  kinds.push_back(std::make_unique<TraceEntity>(1, 2, 3, 4, settings));
  kinds.push_back(std::make_unique<CircleEntity>(Point(1, 2), 3, settings));
  kinds.push_back(std::make_unique<ArcEntity>(settings, Point(1, 2), 3, 0.5, 2.0));
  kinds.push_back(
      std::make_unique<EllipseEntity>(settings, Point(1, 2), 3, 0.5, 0.3, 0.5, 0.5 + kTwoPi));
  kinds.push_back(
      std::make_unique<TextEntity>(Point(1, 2), 2.5, 0.3, 1, 0, 0, kAlignLeft, u"T", settings));
  auto insert = std::make_unique<InsertEntity>(u"B", Point(1, 2), 2, 3, 0.5, settings);
  insert->expanded.AddTail(new LineEntity(Point(1, 2), Point(4, 6), settings));
  kinds.push_back(std::move(insert));
  auto polyline = std::make_unique<PolylineEntity>(settings);
  polyline->AppendVertex(Point(0, 0), 1, 1, 0.5, 0, 0);
  polyline->AppendVertex(Point(4, 1), 1, 2, 0, 0, 0);
  polyline->AppendVertex(Point(5, 5), 0, 0, 0, 0, 0);
  polyline->RebuildSegments();
  kinds.push_back(std::move(polyline));
  kinds.push_back(std::make_unique<WideLineSegmentEntity>(Point(1, 2), Point(4, 6), 1, 2));
  kinds.push_back(
      std::make_unique<WideArcSegmentEntity>(Point(1, 2), Point(4, 2), Point(1, 5), 1, 0.5));
  return kinds;
}

TEST(EntityTransform, DegenerateScaleOrRotationLeavesNaNGeometry) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* name;
    std::function<void(Entity&)> transform;
  } cases[] = {
      {"scale by zero",
       [](Entity& e) {
         e.Scale(Scaling{{1, 1}, 0, 0});
       }},
      {"scale x by zero",
       [](Entity& e) {
         e.Scale(Scaling{{1, 1}, 0, 2});
       }},
      {"scale y by zero",
       [](Entity& e) {
         e.Scale(Scaling{{1, 1}, -1, 0});
       }},
      {"scale by no number",
       [&](Entity& e) {
         e.Scale(Scaling{{1, 1}, nan, 1});
       }},
      {"scale by infinity",
       [&](Entity& e) {
         e.Scale(Scaling{{1, 1}, 2, inf});
       }},
      {"scale about no point",
       [&](Entity& e) {
         e.Scale(Scaling{{nan, 0}, 2, 2});
       }},
      {"rotate by no angle",
       [&](Entity& e) {
         e.Rotate(Rotation::About({0, 0}, nan));
       }},
      {"rotate by an infinite angle",
       [&](Entity& e) {
         e.Rotate(Rotation::About({0, 0}, inf));
       }},
      {"rotate about no point",
       [&](Entity& e) {
         e.Rotate(Rotation::About({inf, 0}, 1));
       }},
  };
  Fixture f;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (std::unique_ptr<Entity>& entity : EveryKind(f.settings)) {
      SCOPED_TRACE(entity->GetElementCode());
      const std::vector<uint8_t> before = Shape(*entity);
      c.transform(*entity);
      EXPECT_EQ(Shape(*entity), before);
    }
  }
}

// A regular transform still changes every kind: the test above would pass for kinds that
// never move.
TEST(EntityTransform, RegularScaleAndRotationChangeEveryKind) {
  Fixture f;
  for (std::unique_ptr<Entity>& entity : EveryKind(f.settings)) {
    SCOPED_TRACE(entity->GetElementCode());
    std::vector<uint8_t> before = Shape(*entity);
    entity->Scale(Scaling{{0, 0}, 2, -3});
    EXPECT_NE(Shape(*entity), before);
    before = Shape(*entity);
    entity->Rotate(Rotation::About({0, 0}, 0.5));
    EXPECT_NE(Shape(*entity), before);
  }
}

}  // namespace
}  // namespace korvo
