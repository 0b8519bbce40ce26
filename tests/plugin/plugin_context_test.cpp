#include "plugin/plugin_context.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/block_definition.h"
#include "core/insert_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/text_style.h"
#include "tests/plugin/plugin_session.h"
#include "text/line_type.h"

namespace korvo::testing {
namespace {

TEST(PluginContext, TakesTheDocumentAndTheWindowsOfTheEngine) {
  PluginSession s("");
  s.drawing().path = "/drawings/part.KorvoDWG";
  PluginContext context(&s.engine(), u"-x");
  EXPECT_TRUE(context.IsLive());
  EXPECT_EQ(context.view, &s.session().view());
  EXPECT_EQ(context.drawing, &s.drawing());
  EXPECT_EQ(context.mainWindow, &s.session().frame());
  EXPECT_EQ(context.arguments, u"-x");
  EXPECT_EQ(context.documentPath, u"/drawings/part.KorvoDWG");
  EXPECT_EQ(context.documentTitle, u"part.KorvoDWG");
  // The plug-in reaches the services through the context's first word.
  EXPECT_EQ(GetPluginService(&context, PluginService::GetPoint),
            GetService(&context, PluginService::GetPoint));
}

TEST(PluginContext, WithoutAViewEveryServiceRefuses) {
  PluginContext context(nullptr, u"");
  EXPECT_FALSE(context.IsLive());
  const PluginPoint a{0, 0}, b{1, 1};
  PluginPoint out{};
  EXPECT_EQ(Service<GetPointFn>(context, PluginService::GetPoint)(&context, nullptr, nullptr, &out,
                                                                  u"?", u"", 0),
            PluginInput::NotAvailable);
  EXPECT_EQ(Service<QueuePointFn>(context, PluginService::QueuePoint)(&context, &a, 4), 0);
  EXPECT_EQ(Service<PumpMessagesFn>(context, PluginService::PumpMessages)(&context), -1);
  EXPECT_EQ(AddLineService(context, a, b), nullptr);
  EXPECT_EQ(Service<RefreshBlocksFn>(context, PluginService::RefreshBlocks)(&context), 0);
}

// What happens to an entity after the context handed it out.
struct EntityCase {
  const char* name;
  // Makes the entity and gives the pointer the plug-in holds; `after` then acts on the
  // drawing before the check.
  std::function<PluginEntity*(PluginSession&, PluginContext&)> make;
  std::function<void(PluginSession&, PluginContext&, PluginEntity*)> after;
  bool accepted;
};

TEST(PluginContext, AnEntityIsAcceptedOnlyWhileIssuedAndStillInTheDrawing) {
  const auto inDrawing = [](PluginSession&, PluginContext& c) {
    return AddLineService(c, {0, 0}, {10, 0});
  };
  const auto nothing = [](PluginSession&, PluginContext&, PluginEntity*) {};
  // Made without undo records, so that a test may delete it.
  const auto unrecordedLine = [](PluginSession& s, PluginContext& c) {
    return c.Issue(s.AddLine({0, 0}, {10, 0}));
  };
  const auto polylineVertex = [](PluginSession& s, PluginContext& c) -> PluginEntity* {
    auto* polyline = new PolylineEntity(s.drawing().settings);
    polyline->AppendVertex(Point(1, 2), 0, 0, 0, 0, 0);
    polyline->AppendVertex(Point(3, 4), 0, 0, 0, 0, 0);
    s.drawing().entities.AddTail(polyline);
    PluginEntity* vertex = nullptr;
    Service<ChildWalkFn>(c, PluginService::FirstChild)(&c, c.Issue(polyline), &vertex);
    return vertex;
  };
  const EntityCase cases[] = {
      {"issued, in the drawing", inDrawing, nothing, true},
      {"in the drawing, never issued",
       [](PluginSession& s, PluginContext&) {
         return reinterpret_cast<PluginEntity*>(s.AddLine({0, 0}, {1, 1}));
       },
       nothing, false},
      {"deleted from the drawing", unrecordedLine,
       [](PluginSession& s, PluginContext&, PluginEntity* e) {
         s.drawing().Delete(reinterpret_cast<Entity*>(e));
       },
       false},
      {"moved to the back", unrecordedLine,
       [](PluginSession& s, PluginContext&, PluginEntity* e) {
         s.AddLine({5, 5}, {6, 6});
         Entity* moved[] = {reinterpret_cast<Entity*>(e)};
         EXPECT_EQ(s.drawing().SendToBack(moved), 1);
       },
       true},
      {"temporary",
       [](PluginSession&, PluginContext& c) {
         return AddLineService(c, {0, 0}, {1, 0}, {.target = PluginTemporaryTarget()});
       },
       nothing, true},
      {"temporary, deleted",
       [](PluginSession&, PluginContext& c) {
         return AddLineService(c, {0, 0}, {1, 0}, {.target = u""});
       },
       [](PluginSession&, PluginContext& c, PluginEntity* e) {
         EXPECT_EQ(Service<DeleteTemporaryFn>(c, PluginService::DeleteTemporary)(&c, e), 1);
       },
       false},
      {"in a block definition",
       [](PluginSession&, PluginContext& c) {
         return AddLineService(c, {0, 0}, {1, 0}, {.target = u"PART"});
       },
       nothing, true},
      {"in a block definition that was removed",
       [](PluginSession&, PluginContext& c) {
         return AddLineService(c, {0, 0}, {1, 0}, {.target = u"PART"});
       },
       [](PluginSession& s, PluginContext&, PluginEntity*) {
         s.drawing().blocks.RemoveByName(u"PART", TableRemoval::Destroy);
       },
       false},
      {"vertex of a polyline", polylineVertex, nothing, true},
      {"vertex of a deleted polyline", polylineVertex,
       [](PluginSession& s, PluginContext&, PluginEntity*) {
         s.drawing().Delete(s.drawing().entities.Tail());
       },
       false},
  };
  for (const EntityCase& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s("");
    PluginContext context(&s.engine(), u"");
    PluginEntity* entity = c.make(s, context);
    ASSERT_NE(entity, nullptr);
    c.after(s, context, entity);
    EXPECT_EQ(context.CheckEntity(entity) != nullptr, c.accepted);
  }
}

TEST(PluginContext, AnEntityOfAnotherDrawingIsRefused) {
  PluginSession mine(""), other("");
  PluginContext context(&mine.engine(), u""), foreign(&other.engine(), u"");
  PluginEntity* line = AddLineService(foreign, {0, 0}, {1, 0});
  ASSERT_NE(foreign.CheckEntity(line), nullptr);
  EXPECT_EQ(context.CheckEntity(line), nullptr);
  // Not even issuing it here makes it ours.
  EXPECT_EQ(context.Issue(reinterpret_cast<Entity*>(line)), nullptr);
}

TEST(PluginContext, TableEntriesAreAcceptedWhileIssuedAndInTheTable) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  Layer* kept = s.AddLayer(u"KEPT");
  Layer* removed = s.AddLayer(u"REMOVED");
  Layer* neverIssued = s.AddLayer(u"QUIET");
  PluginLayer* keptPointer = context.Issue(kept);
  PluginLayer* removedPointer = context.Issue(removed);
  s.drawing().layers.Remove(removed, TableRemoval::Keep);
  EXPECT_EQ(context.CheckLayer(keptPointer), kept);
  EXPECT_EQ(context.CheckLayer(removedPointer), nullptr);
  EXPECT_EQ(context.CheckLayer(reinterpret_cast<PluginLayer*>(neverIssued)), nullptr);
  // A layer handed over as another kind of object is refused.
  EXPECT_EQ(context.CheckLineType(reinterpret_cast<PluginLineType*>(keptPointer)), nullptr);
  EXPECT_EQ(context.CheckLineType(context.Issue(&ByLayerLineType())), &ByLayerLineType());
  delete removed;
}

TEST(PluginContext, SettingsHandlesMapBackToTheSameObjects) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  Layer* layer = s.drawing().settings.currentLayer;
  LineType* lineType = s.drawing().settings.currentLineType;
  const PluginHandle layerHandle = context.HandleOf(layer);
  const PluginHandle typeHandle = context.HandleOf(lineType);
  EXPECT_NE(layerHandle, 0u);
  EXPECT_NE(layerHandle, typeHandle);
  EXPECT_EQ(context.HandleOf(layer), layerHandle);
  EXPECT_EQ(context.HandleOf(nullptr), 0u);
  EXPECT_EQ(context.LayerOfHandle(layerHandle), layer);
  EXPECT_EQ(context.LineTypeOfHandle(typeHandle), lineType);
  // A handle of another kind, no handle, and one never issued give nothing.
  EXPECT_EQ(context.LineTypeOfHandle(layerHandle), nullptr);
  EXPECT_EQ(context.LayerOfHandle(0), nullptr);
  EXPECT_EQ(context.LayerOfHandle(typeHandle + 100), nullptr);
  EXPECT_EQ(context.TextStyleOfHandle(context.HandleOf(s.drawing().settings.currentTextStyle)),
            s.drawing().settings.currentTextStyle);
}

// A point that tells when it is deleted.
class WatchedPoint : public PointEntity {
 public:
  WatchedPoint(const DrawingSettings& settings, bool& gone)
      : PointEntity(settings, Point(1, 1)), gone_(gone) {}
  ~WatchedPoint() override { gone_ = true; }

 private:
  bool& gone_;
};

TEST(PluginContext, DeletesLeftoverPreviewsAndRefreshesPendingBlocksWhenItGoes) {
  PluginSession s("");
  auto* insert = new InsertEntity(u"PART", Point(100, 0), 1, 1, 0, s.drawing().settings);
  s.drawing().entities.AddTail(insert);
  bool gone = false;
  {
    PluginContext context(&s.engine(), u"");
    auto preview = std::make_unique<WatchedPoint>(s.drawing().settings, gone);
    Entity* key = preview.get();
    context.temporaryEntities.emplace(key, std::move(preview));
    ASSERT_NE(AddLineService(context, {0, 0}, {5, 0}, {.target = u"PART"}), nullptr);
    EXPECT_TRUE(insert->expanded.empty());
  }
  EXPECT_TRUE(gone);
  // The reference now shows the block's new line, at its insertion point.
  ASSERT_EQ(insert->expanded.size(), 1u);
  Point min, max;
  ASSERT_TRUE(insert->expanded.Head()->GetExtents(min, max));
  EXPECT_EQ(min, Point(100, 0));
  EXPECT_EQ(max, Point(105, 0));
}

}  // namespace
}  // namespace korvo::testing
