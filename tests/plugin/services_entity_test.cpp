#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

#include "core/line_entity.h"
#include "exchange/bitmap_export.h"
#include "platform/utf16.h"
#include "tests/plugin/plugin_session.h"
#include "tests/support/scratch_folder.h"

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

namespace korvo::testing {
namespace {

TEST(PluginEntities, APickedEntityIsHandedOutWithThePointAndLeftUnselected) {
  PluginSession s("command 1000\ntap 50 40\n");
  LineEntity* line = s.AddLine({0, 40}, {100, 40});
  int32_t code = 0;
  Entity* picked = nullptr;
  PluginPoint at{};
  std::u16string prompt;
  s.AddProbe(PluginSession::kProbe, [&](CommandEngine& engine) {
    PluginContext context(&engine, u"");
    engine.promptLine().AddListener([&prompt](std::u16string_view text) {
      if (prompt.empty()) prompt = std::u16string(text);
    });
    PluginEntity* out = nullptr;
    code = Service<PickEntityFn>(context, PluginService::PickEntity)(&context, u"Pick a line:",
                                                                     &out, &at);
    picked = context.CheckEntity(out);
  });
  s.Play();
  EXPECT_EQ(code, PluginInput::Picked);
  EXPECT_EQ(picked, line);
  EXPECT_EQ(at.x, 50);
  EXPECT_EQ(at.y, 40);
  EXPECT_EQ(prompt, u"Pick a line:");
  EXPECT_TRUE(s.drawing().selection.empty());
}

TEST(PluginEntities, PropertiesTravelInTheBoundarysValueConventions) {
  PluginSession s("");
  Layer* walls = s.AddLayer(u"WALLS");
  s.drawing().settings.currentColorIndex = 5;
  PluginContext context(&s.engine(), u"");
  PluginEntity* line = AddLineService(context, {0, 0}, {10, 0});
  const auto get = Service<GetEntityPropertyFn>(context, PluginService::GetEntityProperty);
  const auto set = Service<SetEntityPropertyFn>(context, PluginService::SetEntityProperty);

  PluginPoint start{};
  ASSERT_EQ(get(&context, line, PluginPairCode(10, 20), &start), 1);
  EXPECT_EQ(start.x, 0);
  const PluginPoint moved{3, 4};
  ASSERT_EQ(set(&context, line, PluginPairCode(10, 20), &moved), 1);
  EXPECT_EQ(context.CheckEntity(line)->AsLine()->start, Point(3, 4));

  // Colour -1 takes the drawing's current colour.
  const int32_t current = kPluginCurrentColor;
  ASSERT_EQ(set(&context, line, 62, &current), 1);
  int32_t color = 0;
  ASSERT_EQ(get(&context, line, 62, &color), 1);
  EXPECT_EQ(color, 5);

  // The layer is set by a layer the context issued and read back as its name.
  PluginLayer* layer = context.Issue(walls);
  ASSERT_EQ(set(&context, line, 8, layer), 1);
  char16_t name[kPluginTextCapacity];
  ASSERT_EQ(get(&context, line, 8, name), 1);
  EXPECT_EQ(std::u16string(name), u"WALLS");
  // A layer never issued, and numbers the drawing cannot hold, are refused.
  EXPECT_EQ(set(&context, line, 8, s.AddLayer(u"QUIET")), 0);
  const double notANumber = std::nan("");
  EXPECT_EQ(set(&context, line, 370, &notANumber), 0);
  const PluginPoint far{std::numeric_limits<double>::infinity(), 0};
  EXPECT_EQ(set(&context, line, PluginPairCode(11, 21), &far), 0);
  EXPECT_EQ(context.CheckEntity(line)->AsLine()->end, Point(10, 0));
}

TEST(PluginEntities, ALongNameIsCutToTheCallersBuffer) {
  PluginSession s("");
  s.AddLayer(std::u16string(400, u'L'));
  PluginContext context(&s.engine(), u"");
  PluginEntity* line = AddLineService(context, {0, 0}, {10, 0}, {.layer = u"LLL"});
  EXPECT_EQ(line, nullptr);
  std::u16string longName(400, u'L');
  line = AddLineService(context, {0, 0}, {10, 0}, {.layer = longName.c_str()});
  ASSERT_NE(line, nullptr);
  // One character more than the capacity is a guard the service must not touch.
  char16_t buffer[kPluginTextCapacity + 1];
  buffer[kPluginTextCapacity] = u'#';
  ASSERT_EQ(Service<GetEntityPropertyFn>(context, PluginService::GetEntityProperty)(&context, line,
                                                                                    8, buffer),
            1);
  EXPECT_EQ(buffer[kPluginTextCapacity], u'#');
  EXPECT_EQ(std::u16string(buffer).size(), static_cast<std::size_t>(kPluginTextCapacity - 1));
}

// Exclusive-or drawing toggles a picture on the window. A repaint between showing and taking
// off (a zoom while the plug-in waits for a point) already took it off: the second drawing is
// then skipped, so no ghost is left, and the next one shows it again.
TEST(PluginEntities, AnExclusiveOrPictureWipedByARepaintIsNotDrawnBack) {
  PluginSession s("");
  s.AddLine({20, 100}, {180, 100});
  View& view = s.session().view();
  view.RepaintNow();
  const Bitmap painted = view.window();
  PluginContext context(&s.engine(), u"");
  PluginEntity* band =
      AddLineService(context, {10, 10}, {150, 90}, {.target = PluginTemporaryTarget()});
  ASSERT_NE(band, nullptr);
  const auto draw = Service<DrawEntityFn>(context, PluginService::DrawEntity);

  // Shown and taken off without a repaint: the window is as it was.
  EXPECT_EQ(draw(&context, band, 1), 1);
  EXPECT_NE(view.window(), painted);
  EXPECT_EQ(draw(&context, band, 1), 1);
  EXPECT_EQ(view.window(), painted);

  // Shown, then the window zooms in and out again: taking it off leaves the repainted window.
  EXPECT_EQ(draw(&context, band, 1), 1);
  view.ZoomAt({100, 100}, 0.5);
  view.ZoomAt({100, 100}, 2);
  const Bitmap repainted = view.window();
  EXPECT_EQ(draw(&context, band, 1), 1);
  EXPECT_EQ(view.window(), repainted);
  EXPECT_EQ(draw(&context, band, 1), 1);
  EXPECT_NE(view.window(), repainted);

  // A deleted temporary entity is forgotten with its picture's state.
  EXPECT_EQ(draw(&context, band, 1), 1);
  EXPECT_EQ(Service<DeleteTemporaryFn>(context, PluginService::DeleteTemporary)(&context, band), 1);
  EXPECT_TRUE(context.exclusiveOrShown.empty());
}

// The width and height a bitmap file declares, or nothing when there is no such file.
std::optional<std::pair<int32_t, int32_t>> BitmapSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char header[26] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
  const auto at = [&](int offset) {
    return static_cast<int32_t>(header[offset] | header[offset + 1] << 8 |
                                header[offset + 2] << 16 | header[offset + 3] << 24);
  };
  return std::pair{at(18), at(22)};
}

// The export service shares the options Save As keeps: mode 1 asks in the options dialog
// (here a journal line), another mode takes its arguments, where a size of 0 keeps the kept
// one. Without the session's files there is nothing to ask with, and mode 1 is refused.
TEST(PluginEntities, ExportBitmapAsksOrTakesItsArgumentsWithTheKeptOptions) {
  ScratchFolder folder;
  PluginSession s(
      "command 1000\ndialog ok Width=16 Height=8 Background=White\ncommand 1001\n"
      "command 1000\ndialog cancel\ncommand 1002\n");
  s.host().files = &s.session().files();
  s.AddLine({10, 10}, {90, 90});
  std::vector<int32_t> results;
  const auto exportTo = [&](CommandEngine& engine, const char* name, int32_t mode, int32_t width,
                            int32_t height, int32_t flags, FileCommands* files) {
    PluginContext context(&engine, u"");
    context.files = files;
    const std::u16string path = Utf8ToUtf16((folder / name).string());
    results.push_back(Service<ExportBitmapFn>(context, PluginService::ExportBitmap)(
        &context, path.c_str(), mode, width, height, flags));
  };
  int asked = 0;
  s.AddProbe(1000, [&](CommandEngine& e) {
    exportTo(e, asked++ == 0 ? "asked.bmp" : "cancelled.bmp", 1, 0, 0, 0, &s.session().files());
  });
  s.AddProbe(1001, [&](CommandEngine& e) {
    exportTo(e, "kept.bmp", 0, 0, 0, 0, &s.session().files());
    exportTo(e, "wider.bmp", 0, 24, 0, 1, &s.session().files());
  });
  s.AddProbe(1002, [&](CommandEngine& e) {
    exportTo(e, "unasked.bmp", 1, 0, 0, 0, nullptr);
    exportTo(e, "given.bmp", 0, 12, 6, 0, nullptr);
  });
  s.Play();

  EXPECT_EQ(results, (std::vector<int32_t>{1, 1, 1, 0, 0, 1}));
  EXPECT_EQ(BitmapSize(folder / "asked.bmp"), (std::pair<int32_t, int32_t>{16, 8}));
  EXPECT_EQ(BitmapSize(folder / "kept.bmp"), (std::pair<int32_t, int32_t>{16, 8}));
  EXPECT_EQ(BitmapSize(folder / "wider.bmp"), (std::pair<int32_t, int32_t>{24, 8}));
  EXPECT_EQ(BitmapSize(folder / "given.bmp"), (std::pair<int32_t, int32_t>{12, 6}));
  EXPECT_FALSE(std::filesystem::exists(folder / "cancelled.bmp"));
  EXPECT_FALSE(std::filesystem::exists(folder / "unasked.bmp"));
  // The last call with the session's options asked for white; Save As starts from there.
  const BitmapExportOptions& kept = s.session().files().bitmapOptions();
  EXPECT_EQ(kept.width, 24);
  EXPECT_EQ(kept.height, 8);
  EXPECT_TRUE(kept.whiteBackground);
}

}  // namespace
}  // namespace korvo::testing
