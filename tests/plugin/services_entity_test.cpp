#include <gtest/gtest.h>

#include <memory>

#include "core/line_entity.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {
namespace {

// A pointer the plug-in might pass that the context must refuse without looking at it.
struct StrangerCase {
  const char* name;
  std::function<PluginEntity*(PluginSession& mine, PluginSession& other)> make;
};

TEST(PluginEntities, PointersTheContextDidNotIssueAreRefusedByEveryService) {
  const StrangerCase cases[] = {
      {"never issued",
       [](PluginSession& mine, PluginSession&) {
         return reinterpret_cast<PluginEntity*>(mine.AddLine({0, 0}, {5, 5}));
       }},
      {"of another drawing",
       [](PluginSession&, PluginSession& other) {
         return reinterpret_cast<PluginEntity*>(other.AddLine({0, 0}, {5, 5}));
       }},
      {"not an entity at all",
       [](PluginSession&, PluginSession&) {
         static double notAnEntity[8] = {};
         return reinterpret_cast<PluginEntity*>(notAnEntity);
       }},
  };
  for (const StrangerCase& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession mine(""), other("");
    PluginContext context(&mine.engine(), u"");
    PluginEntity* stranger = c.make(mine, other);
    uint8_t kind = 0;
    PluginPoint min{}, max{};
    double value = 0;
    const PluginPoint origin{0, 0};
    EXPECT_EQ(Service<TranslateEntityFn>(context, PluginService::TranslateEntity)(&context,
                                                                                  stranger, 1, 1),
              0);
    EXPECT_EQ(Service<RotateEntityFn>(context, PluginService::RotateEntity)(&context, stranger,
                                                                            &origin, 1),
              0);
    EXPECT_EQ(Service<DrawEntityFn>(context, PluginService::DrawEntity)(&context, stranger, 1), 0);
    EXPECT_EQ(
        Service<GetEntityKindFn>(context, PluginService::GetEntityKind)(&context, stranger, &kind),
        0);
    EXPECT_EQ(Service<GetEntityPropertyFn>(context, PluginService::GetEntityProperty)(
                  &context, stranger, 40, &value),
              0);
    EXPECT_EQ(Service<GetEntityExtentsFn>(context, PluginService::GetEntityExtents)(
                  &context, stranger, &min, &max),
              0);
    EXPECT_EQ(Service<EraseEntityFn>(context, PluginService::EraseEntity)(&context, stranger), 0);
    EXPECT_EQ(Service<SetSelectedFn>(context, PluginService::SetSelected)(&context, stranger, 1),
              0);
    EXPECT_EQ(
        Service<DeleteTemporaryFn>(context, PluginService::DeleteTemporary)(&context, stranger), 0);
    EXPECT_EQ(
        Service<CopyEntityFn>(context, PluginService::CopyEntity)(&context, stranger, nullptr),
        nullptr);
    EXPECT_EQ(mine.drawing().undo.Top(), 0);
    EXPECT_TRUE(mine.drawing().selection.empty());
  }
}

TEST(PluginEntities, DrawingAPreviewTwiceWithXorLeavesTheWindowAsItWas) {
  PluginSession s("");
  s.session().view().RepaintNow();
  const Bitmap before = s.session().view().window();
  PluginContext context(&s.engine(), u"");
  PluginEntity* preview =
      AddLineService(context, {10, 10}, {150, 90}, {.target = PluginTemporaryTarget()});
  const auto draw = Service<DrawEntityFn>(context, PluginService::DrawEntity);
  ASSERT_EQ(draw(&context, preview, 1), 1);
  EXPECT_FALSE(s.session().view().window() == before);
  ASSERT_EQ(draw(&context, preview, 1), 1);
  EXPECT_TRUE(s.session().view().window() == before);
  // An erased entity is not drawn.
  PluginEntity* line = AddLineService(context, {0, 0}, {5, 5});
  ASSERT_EQ(Service<EraseEntityFn>(context, PluginService::EraseEntity)(&context, line), 1);
  EXPECT_EQ(draw(&context, line, 1), 0);
}

TEST(PluginEntities, ChildrenAndSelectionAreWalkedPastErasedEntities) {
  PluginSession s("");
  LineEntity* a = s.AddLine({0, 0}, {1, 0});
  LineEntity* b = s.AddLine({0, 1}, {1, 1});
  LineEntity* c = s.AddLine({0, 2}, {1, 2});
  b->flags |= EntityFlag::Erased;
  s.drawing().Select(c);
  s.drawing().Select(a);
  PluginContext context(&s.engine(), u"");
  const auto first = Service<ChildWalkFn>(context, PluginService::FirstChild);
  const auto next = Service<ChildWalkFn>(context, PluginService::NextChild);
  PluginEntity* out = nullptr;
  std::vector<Entity*> walked;
  for (int32_t ok = first(&context, nullptr, &out); ok != 0; ok = next(&context, nullptr, &out))
    walked.push_back(context.CheckEntity(out));
  EXPECT_EQ(walked, (std::vector<Entity*>{a, c}));
  EXPECT_EQ(out, nullptr);
  // A line has no children; a polyline's walk needs its own start.
  PluginEntity* line = context.Issue(a);
  EXPECT_EQ(first(&context, line, &out), 0);

  const auto firstSelected = Service<SelectedWalkFn>(context, PluginService::FirstSelected);
  const auto nextSelected = Service<SelectedWalkFn>(context, PluginService::NextSelected);
  walked.clear();
  for (int32_t ok = firstSelected(&context, &out); ok != 0; ok = nextSelected(&context, &out))
    walked.push_back(context.CheckEntity(out));
  EXPECT_EQ(walked, (std::vector<Entity*>{c, a}));
}

}  // namespace
}  // namespace korvo::testing
