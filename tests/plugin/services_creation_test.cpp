#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/block_definition.h"
#include "core/drawing_file.h"
#include "core/element_code.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "platform/message_box.h"
#include "tests/plugin/plugin_session.h"
#include "tests/support/scratch_folder.h"
#include "text/line_type.h"

namespace korvo::testing {
namespace {

// Where a new entity went and what it took from the placement arguments.
struct PlacementCase {
  const char* name;
  DefaultPlacement placement;
  bool made;
  bool inDrawing;
  int16_t colorIndex;
  double lineWeight;
  const char16_t* layer;     // name
  const char16_t* lineType;  // name
};

TEST(PluginCreation, ThePlacementArgumentsDecideTheNewEntitysPropertiesAndPlace) {
  const PlacementCase cases[] = {
      {"defaults", {}, true, true, 256, -1.0, u"0", u"BYLAYER"},
      {"colour and weight",
       {.colorIndex = 3, .lineWeight = 0.5},
       true,
       true,
       3,
       0.5,
       u"0",
       u"BYLAYER"},
      {"by block", {.colorIndex = 0}, true, true, 0, -1.0, u"0", u"BYLAYER"},
      {"existing layer", {.layer = u"walls"}, true, true, 256, -1.0, u"WALLS", u"BYLAYER"},
      {"unknown layer", {.layer = u"roof"}, false, false, 0, 0, nullptr, nullptr},
      {"by-block line type",
       {.lineType = PluginByBlockLineType()},
       true,
       true,
       256,
       -1.0,
       u"0",
       u"BYBLOCK"},
      {"by-layer line type",
       {.lineType = PluginByLayerLineType()},
       true,
       true,
       256,
       -1.0,
       u"0",
       u"BYLAYER"},
      {"line type of the drawing",
       {.lineType = u"continuous"},
       true,
       true,
       256,
       -1.0,
       u"0",
       u"CONTINUOUS"},
      {"unknown line type", {.lineType = u"NO_SUCH_TYPE"}, false, false, 0, 0, nullptr, nullptr},
      {"colour out of range", {.colorIndex = 300}, false, false, 0, 0, nullptr, nullptr},
      {"temporary", {.target = PluginTemporaryTarget()}, true, false, 256, -1.0, u"0", u"BYLAYER"},
      {"temporary by empty name", {.target = u""}, true, false, 256, -1.0, u"0", u"BYLAYER"},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s("");
    s.AddLayer(u"WALLS");
    s.drawing().SetModifiedFlag(false);
    PluginContext context(&s.engine(), u"");
    PluginEntity* made = AddLineService(context, {0, 0}, {10, 0}, c.placement);
    ASSERT_EQ(made != nullptr, c.made);
    const bool added = !s.drawing().entities.empty();
    EXPECT_EQ(added, c.inDrawing);
    EXPECT_EQ(s.drawing().IsModified(), c.inDrawing);
    EXPECT_EQ(s.drawing().undo.Top(), c.inDrawing ? 1 : 0);
    if (!c.made) continue;
    const Entity* line = context.CheckEntity(made);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(context.temporaryEntities.contains(const_cast<Entity*>(line)), !c.inDrawing);
    EXPECT_EQ(line->colorIndex, c.colorIndex);
    EXPECT_EQ(line->lineWeight, c.lineWeight);
    EXPECT_EQ(line->layer->name, c.layer);
    EXPECT_EQ(line->lineType->name, c.lineType);
  }
}

TEST(PluginCreation, ALineTypeFromTheLibraryMovesIntoTheDrawing) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  ASSERT_EQ(s.drawing().lineTypes.Find(u"DASHED"), nullptr);
  PluginEntity* made = AddLineService(context, {0, 0}, {10, 0}, {.lineType = u"dashed"});
  ASSERT_NE(made, nullptr);
  LineType* dashed = s.drawing().lineTypes.Find(u"DASHED");
  ASSERT_NE(dashed, nullptr);
  EXPECT_EQ(context.CheckEntity(made)->lineType, dashed);
  // Read once: the same name again takes the drawing's copy.
  ASSERT_NE(AddLineService(context, {0, 0}, {10, 0}, {.lineType = u"DASHED"}), nullptr);
  EXPECT_EQ(s.drawing().entities.Tail()->lineType, dashed);
}

// The line type taken from the library is part of what the command made: one undo takes the
// line and the line type away together.
TEST(PluginCreation, ALineTypeTakenFromTheLibraryIsUndoneWithTheEntity) {
  PluginSession s("");
  {
    PluginContext context(&s.engine(), u"");
    s.drawing().SetModifiedFlag(false);
    ASSERT_NE(AddLineService(context, {0, 0}, {10, 0}, {.lineType = u"dashed"}), nullptr);
    EXPECT_TRUE(s.drawing().IsModified());
  }
  s.drawing().undo.EndUndoGroup();
  ASSERT_NE(s.drawing().lineTypes.Find(u"DASHED"), nullptr);
  ASSERT_TRUE(s.drawing().undo.Undo());
  EXPECT_EQ(s.drawing().lineTypes.Find(u"DASHED"), nullptr);
  EXPECT_FALSE(HasEntities(s.drawing()));
}

TEST(PluginCreation, ATemporaryEntityNeverReachesTheDrawingItsHistoryOrItsFile) {
  ScratchFolder folder;
  PluginSession s("");
  {
    PluginContext context(&s.engine(), u"");
    ASSERT_NE(AddLineService(context, {0, 0}, {10, 0}, {.target = PluginTemporaryTarget()}),
              nullptr);
    ASSERT_NE(AddLineService(context, {0, 5}, {10, 5}), nullptr);
    EXPECT_EQ(s.drawing().entities.size(), 1u);
    EXPECT_EQ(s.drawing().undo.GroupSize(0), 1u);
  }
  const auto path = folder.path() / "saved.KorvoDWG";
  RecordingMessageBox messages;
  ASSERT_TRUE(SaveDrawing(s.drawing(), path, messages));
  Drawing loaded;
  ASSERT_TRUE(OpenDrawing(path, loaded, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  ASSERT_EQ(loaded.entities.size(), 1u);
  EXPECT_EQ(loaded.entities.Head()->AsLine()->start, Point(0, 5));
}

TEST(PluginCreation, ABlockTargetIsMadeWhenMissingAndRecordedOncePerCommand) {
  PluginSession s("");
  s.drawing().undo.SetLevels(10);
  PluginContext context(&s.engine(), u"");
  ASSERT_NE(AddLineService(context, {0, 0}, {1, 0}, {.target = u"PART"}), nullptr);
  ASSERT_NE(AddLineService(context, {0, 1}, {1, 1}, {.target = u"part"}), nullptr);
  const BlockDefinition* block = s.drawing().blocks.Find(u"PART");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->size(), 2u);
  EXPECT_EQ(block->basePoint, Point(0, 0));
  EXPECT_TRUE(s.drawing().entities.empty());
  // The block's creation is the only record: its change in the same command adds none.
  EXPECT_EQ(s.drawing().undo.GroupSize(0), 1u);

  // In a later command, the first change of an existing block is recorded, the second not.
  s.drawing().undo.EndUndoGroup();
  PluginContext later(&s.engine(), u"");
  ASSERT_NE(AddLineService(later, {0, 2}, {1, 2}, {.target = u"PART"}), nullptr);
  ASSERT_NE(AddLineService(later, {0, 3}, {1, 3}, {.target = u"PART"}), nullptr);
  EXPECT_EQ(s.drawing().undo.GroupSize(1), 1u);
}

TEST(PluginCreation, AModifiedEntityIsRecordedOncePerCommand) {
  PluginSession s("");
  s.drawing().undo.SetLevels(10);
  PluginEntity* line = nullptr;
  {
    PluginContext first(&s.engine(), u"");
    line = AddLineService(first, {0, 0}, {10, 0});
  }
  s.drawing().undo.EndUndoGroup();
  PluginContext context(&s.engine(), u"");
  Entity* entity = s.drawing().entities.Head();
  line = context.Issue(entity);
  const auto translate = Service<TranslateEntityFn>(context, PluginService::TranslateEntity);
  const auto rotate = Service<RotateEntityFn>(context, PluginService::RotateEntity);
  const PluginPoint origin{0, 0};
  EXPECT_EQ(translate(&context, line, 5, 0), 1);
  EXPECT_EQ(translate(&context, line, 0, 5), 1);
  EXPECT_EQ(rotate(&context, line, &origin, 0.5), 1);
  s.drawing().undo.EndUndoGroup();
  EXPECT_EQ(s.drawing().undo.GroupSize(1), 1u);
  // Undo gives back the line as the command found it.
  ASSERT_TRUE(s.drawing().undo.Undo());
  EXPECT_EQ(entity->AsLine()->start, Point(0, 0));
  EXPECT_EQ(entity->AsLine()->end, Point(10, 0));
}

TEST(PluginCreation, VerticesGoToAPolylineRecordedOnce) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  const auto addPolyline = Service<AddPolylineFn>(context, PluginService::AddPolyline);
  const auto addVertex = Service<AddPolylineVertexFn>(context, PluginService::AddPolylineVertex);
  PluginEntity* polyline = addPolyline(&context, 1, -1, -1.0, nullptr, nullptr, nullptr);
  ASSERT_NE(polyline, nullptr);
  const PluginPoint a{0, 0}, b{10, 0}, bad{std::nan(""), 0};
  EXPECT_EQ(addVertex(&context, &a, 0, 0, 0, 0, 0, polyline), 1);
  EXPECT_EQ(addVertex(&context, &b, 1, 2, 0.5, 0, 0, polyline), 1);
  EXPECT_EQ(addVertex(&context, &bad, 0, 0, 0, 0, 0, polyline), 0);
  // A line is no polyline.
  PluginEntity* line = AddLineService(context, a, b);
  EXPECT_EQ(addVertex(&context, &a, 0, 0, 0, 0, 0, line), 0);
  const PolylineEntity* made = context.CheckEntity(polyline)->AsPolyline();
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsClosed());
  EXPECT_EQ(made->vertexList.size(), 2u);
  // Added in this command: its vertices record nothing more.
  EXPECT_EQ(s.drawing().undo.GroupSize(0), 2u);
}

// One creating service: what it makes of its geometry.
struct KindCase {
  const char* name;
  std::function<PluginEntity*(PluginContext&)> make;
  int kind;  // 0: nothing made
};

TEST(PluginCreation, EachCreatingServiceMakesItsKindOrNothing) {
  const PluginPoint a{0, 0}, b{10, 0}, c{10, 10}, line[3] = {{0, 0}, {5, 0}, {10, 0}};
  const PluginPoint corners[4] = {{0, 0}, {10, 0}, {0, 5}, {10, 5}};
  const KindCase cases[] = {
      {"point",
       [&](PluginContext& x) {
         return Service<AddPointFn>(x, PluginService::AddPoint)(&x, &a, -1, -1.0, nullptr, nullptr,
                                                                nullptr);
       },
       ElementCode::Point},
      {"circle by diameter",
       [&](PluginContext& x) {
         return Service<AddCircleDiameterFn>(x, PluginService::AddCircleDiameter)(
             &x, &a, &b, -1, -1.0, nullptr, nullptr, nullptr);
       },
       ElementCode::Circle},
      {"circle through three points",
       [&](PluginContext& x) {
         return Service<AddCircle3PFn>(x, PluginService::AddCircle3P)(&x, &a, &b, &c, -1, -1.0,
                                                                      nullptr, nullptr, nullptr);
       },
       ElementCode::Circle},
      {"circle through three points on a line",
       [&](PluginContext& x) {
         return Service<AddCircle3PFn>(x, PluginService::AddCircle3P)(
             &x, &line[0], &line[1], &line[2], -1, -1.0, nullptr, nullptr, nullptr);
       },
       0},
      {"circle of a radius that is no number",
       [&](PluginContext& x) {
         return Service<AddCircleFn>(x, PluginService::AddCircle)(&x, &a, std::nan(""), -1, -1.0,
                                                                  nullptr, nullptr, nullptr);
       },
       0},
      {"solid",
       [&](PluginContext& x) {
         return Service<AddSolidFn>(x, PluginService::AddSolid)(&x, corners, -1, -1.0, nullptr,
                                                                nullptr, nullptr);
       },
       ElementCode::Solid},
      {"trace",
       [&](PluginContext& x) {
         return Service<AddTraceFn>(x, PluginService::AddTrace)(&x, corners, -1, -1.0, nullptr,
                                                                nullptr, nullptr);
       },
       ElementCode::Trace},
      {"arc through three points",
       [&](PluginContext& x) {
         return Service<AddArc3PFn>(x, PluginService::AddArc3P)(&x, &a, &c, &b, -1, -1.0, nullptr,
                                                                nullptr, nullptr);
       },
       ElementCode::Arc},
      {"arc by centre, start and end",
       [&](PluginContext& x) {
         return Service<AddArcCenterStartEndFn>(x, PluginService::AddArcCenterStartEnd)(
             &x, &a, &b, &c, -1, -1.0, nullptr, nullptr, nullptr);
       },
       ElementCode::Arc},
      {"elliptic arc",
       [&](PluginContext& x) {
         return Service<AddEllipticArcFn>(x, PluginService::AddEllipticArc)(
             &x, &a, 10, 0.5, 0, 0, 3, -1, -1.0, nullptr, nullptr, nullptr);
       },
       ElementCode::Ellipse},
      {"text",
       [&](PluginContext& x) {
         return Service<AddTextFn>(x, PluginService::AddText)(&x, &a, 2.5, 0, 1, 0, 0, 0, nullptr,
                                                              u"Gear", nullptr, -1, -1.0, nullptr,
                                                              nullptr, nullptr);
       },
       ElementCode::Text},
      {"text of an unknown style",
       [&](PluginContext& x) {
         return Service<AddTextFn>(x, PluginService::AddText)(&x, &a, 2.5, 0, 1, 0, 0, 0, nullptr,
                                                              u"Gear", u"ROMAN", -1, -1.0, nullptr,
                                                              nullptr, nullptr);
       },
       0},
      {"empty polyline",
       [&](PluginContext& x) {
         return Service<AddPolylineFn>(x, PluginService::AddPolyline)(&x, 0, -1, -1.0, nullptr,
                                                                      nullptr, nullptr);
       },
       ElementCode::Polyline},
  };
  for (const KindCase& k : cases) {
    SCOPED_TRACE(k.name);
    PluginSession s("");
    PluginContext context(&s.engine(), u"");
    PluginEntity* made = k.make(context);
    if (k.kind == 0) {
      EXPECT_EQ(made, nullptr);
      EXPECT_TRUE(s.drawing().entities.empty());
      continue;
    }
    ASSERT_NE(made, nullptr);
    uint8_t kind = 0;
    ASSERT_EQ(
        Service<GetEntityKindFn>(context, PluginService::GetEntityKind)(&context, made, &kind), 1);
    EXPECT_EQ(kind, k.kind);
  }
}

// A solid's corners go round its outline as given; a trace's come as its two ends (left, right
// at each) and must not be kept crossed, which would fill two triangles meeting in the middle.
TEST(PluginCreation, FourCornersAreKeptRoundTheOutline) {
  const PluginPoint given[4] = {{0, 0}, {10, 0}, {0, 5}, {10, 5}};
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  PluginEntity* trace = Service<AddTraceFn>(context, PluginService::AddTrace)(
      &context, given, -1, -1.0, nullptr, nullptr, nullptr);
  PluginEntity* solid = Service<AddSolidFn>(context, PluginService::AddSolid)(
      &context, given, -1, -1.0, nullptr, nullptr, nullptr);
  ASSERT_NE(trace, nullptr);
  ASSERT_NE(solid, nullptr);
  const auto& traceCorners = context.CheckEntity(trace)->AsTrace()->corners;
  const auto& solidCorners = context.CheckEntity(solid)->AsSolid()->corners;
  const Point outline[4] = {{0, 0}, {10, 0}, {10, 5}, {0, 5}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(traceCorners[i], outline[i]);
    EXPECT_EQ(solidCorners[i], Point(given[i].x, given[i].y));
  }
}

TEST(PluginCreation, ACopyKeepsTheSourcesPropertiesAndGoesWhereItIsSent) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  PluginEntity* source = AddLineService(context, {0, 0}, {10, 0}, {.colorIndex = 3});
  s.drawing().Select(context.CheckEntity(source));
  const auto copy = Service<CopyEntityFn>(context, PluginService::CopyEntity);
  PluginEntity* preview = copy(&context, source, PluginTemporaryTarget());
  PluginEntity* kept = copy(&context, source, nullptr);
  ASSERT_NE(preview, nullptr);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(s.drawing().entities.size(), 2u);
  const Entity* made = context.CheckEntity(kept);
  EXPECT_EQ(made->colorIndex, 3);
  EXPECT_FALSE(made->IsSelected());
  EXPECT_EQ(made->AsLine()->end, Point(10, 0));
  EXPECT_TRUE(context.temporaryEntities.contains(context.CheckEntity(preview)));
}

}  // namespace
}  // namespace korvo::testing
