#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "core/drawing.h"
#include "plugin/plugin_api.h"
#include "tests/plugin/service_fixture.h"
#include "view/view.h"

namespace korvo::testing {
namespace {

namespace S = PluginService;

struct SettingsCalls : ServiceFixture {
  SettingsRecord Get() {
    SettingsRecord record;
    std::memset(&record, 0xCD, sizeof record);
    EXPECT_EQ(Service<GetDrawingSettingsFn>(S::GetDrawingSettings)(&context, &record), 1);
    return record;
  }
  int32_t Set(const SettingsRecord& record) {
    return Service<SetDrawingSettingsFn>(S::SetDrawingSettings)(&context, &record);
  }
  std::size_t UndoRecords() {
    const int top = drawing().undo.Top();
    return top == 0 ? 0 : drawing().undo.GroupSize(top - 1);
  }
};

bool SameRecord(const SettingsRecord& a, const SettingsRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(SettingsServices, GetFillsTheRecordFromTheDrawingAndTheView) {
  SettingsCalls calls;  // a 480 x 640 client area, a new drawing
  const SettingsRecord r = calls.Get();
  EXPECT_EQ(r.whiteBackground, 0);
  EXPECT_EQ(r.limitsMax[0], 210);
  EXPECT_EQ(r.limitsMax[1], 297);
  EXPECT_EQ(r.viewExtent[1], 297);
  // 479 x 639 pixels from the first to the last; the height decides the pixel size.
  EXPECT_DOUBLE_EQ(r.visibleSize[1], 297);
  EXPECT_DOUBLE_EQ(r.visibleSize[0], 479 * (297.0 / 639));
  EXPECT_EQ(r.gridSpacing, 5);
  EXPECT_EQ(r.snapSpacing, 2.5);
  EXPECT_EQ(r.workAngle, 0.7853981633974483);
  EXPECT_EQ(r.gridSnapOn, 1);
  EXPECT_EQ(r.splineSegments, 8);
  EXPECT_EQ(r.mode, 1);
  EXPECT_EQ(r.pointDisplayMode, 34);
  EXPECT_EQ(r.pointDisplaySize, 5);
  EXPECT_EQ(r.colorIndex, 256);
  EXPECT_EQ(r.lineWeight, -1);
  // Padding and the working values carry nothing.
  EXPECT_EQ(r.padding1[0], 0);
  EXPECT_EQ(r.workValue, 0);
  const DrawingSettings& s = calls.drawing().settings;
  EXPECT_EQ(calls.context.LayerOfHandle(r.layer), s.currentLayer);
  EXPECT_EQ(calls.context.LineTypeOfHandle(r.lineType), s.currentLineType);
  EXPECT_EQ(calls.context.TextStyleOfHandle(r.textStyle), s.currentTextStyle);
  EXPECT_NE(r.layer, 0u);
  EXPECT_NE(r.layer, r.textStyle);
}

TEST(SettingsServices, SettingAnUnchangedRecordChangesNothingButIsAStep) {
  SettingsCalls calls;
  const SettingsRecord before = calls.Get();
  ASSERT_FALSE(calls.drawing().IsModified());
  ASSERT_EQ(calls.Set(before), 1);
  EXPECT_TRUE(SameRecord(calls.Get(), before));
  EXPECT_TRUE(calls.drawing().IsModified());
  EXPECT_EQ(calls.UndoRecords(), 1u);
  EXPECT_EQ(calls.profile.GetInt(u"SETTINGS", u"WHITEBCKG", -1), 0);
}

TEST(SettingsServices, SetCopiesTheRecordIntoTheDrawing) {
  SettingsCalls calls;
  Layer* other = new Layer(u"WALLS", 3, nullptr, -3.0);
  calls.drawing().layers.Add(other);
  SettingsRecord r = calls.Get();
  r.limitsMin[0] = -10;
  r.basePoint[1] = 4;
  r.gridSpacing = 10;
  r.snapSpacing = 1;
  r.gridOn = 1;
  r.objectSnapOn = 1;
  r.showSplineFrame = 1;
  r.splineSegments = 0;
  r.pointDisplayMode = 100;
  r.pointDisplaySize = -2;
  r.colorIndex = 3;
  r.values[4] = 9;
  r.visibleSize[0] = 12345;  // ignored
  r.layer = calls.context.HandleOf(other);
  ASSERT_EQ(calls.Set(r), 1);
  const DrawingSettings& s = calls.drawing().settings;
  EXPECT_EQ(s.limitsMin, Point(-10, 0));
  EXPECT_EQ(s.basePoint, Point(0, 4));
  EXPECT_EQ(s.gridSpacing, 10);
  EXPECT_EQ(s.snapSpacing, 1);
  EXPECT_EQ(s.gridOn, 1);
  EXPECT_EQ(s.objectSnap, 1);
  EXPECT_EQ(s.splineFrame, 1);
  EXPECT_EQ(s.splineSegments, 0u);
  EXPECT_EQ(s.pointDisplayMode, 100);
  EXPECT_EQ(s.pointDisplaySize, -2);
  EXPECT_EQ(s.currentColorIndex, 3);
  EXPECT_EQ(s.values[4], 9);
  EXPECT_EQ(s.currentLayer, other);
  // Undo brings the drawing's settings back.
  ASSERT_TRUE(calls.drawing().undo.Undo());
  EXPECT_EQ(calls.drawing().settings.gridSpacing, 5);
  EXPECT_NE(calls.drawing().settings.currentLayer, other);
}

TEST(SettingsServices, TheBackgroundSwitchIsAppliedAndRemembered) {
  SettingsCalls calls;
  calls.session.view().Paint();
  ASSERT_FALSE(calls.session.view().windowInvalid());
  SettingsRecord r = calls.Get();
  r.whiteBackground = 1;
  ASSERT_EQ(calls.Set(r), 1);
  EXPECT_TRUE(calls.session.view().whiteBackground());
  EXPECT_EQ(calls.profile.GetInt(u"SETTINGS", u"WHITEBCKG", -1), 1);
  // Repainted at once: the window shows the new background.
  EXPECT_FALSE(calls.session.view().windowInvalid());
  EXPECT_EQ(calls.session.view().window().Pixel(5, 5), 0xFFFFFFu);
  r.whiteBackground = 0;
  ASSERT_EQ(calls.Set(r), 1);
  EXPECT_EQ(calls.profile.GetInt(u"SETTINGS", u"WHITEBCKG", -1), 0);
  EXPECT_EQ(calls.Get().whiteBackground, 0);
}

TEST(SettingsServices, RecordsTheDrawingCannotHoldAreRefusedWhole) {
  struct Case {
    const char* name;
    std::function<void(SettingsRecord&)> spoil;
  } cases[] = {
      {"negative segments per spline patch", [](SettingsRecord& r) { r.splineSegments = -1; }},
      {"limit not a number", [](SettingsRecord& r) { r.limitsMin[1] = NAN; }},
      {"infinite view extent", [](SettingsRecord& r) { r.viewExtent[0] = INFINITY; }},
      {"infinite line type scale", [](SettingsRecord& r) { r.linetypeScale = -INFINITY; }},
      {"stored value not a number", [](SettingsRecord& r) { r.values[2] = NAN; }},
      {"point display mode 5", [](SettingsRecord& r) { r.pointDisplayMode = 5; }},
      {"point display mode 101", [](SettingsRecord& r) { r.pointDisplayMode = 101; }},
      {"point display mode 128", [](SettingsRecord& r) { r.pointDisplayMode = 128; }},
      {"zero grid spacing", [](SettingsRecord& r) { r.gridSpacing = 0; }},
      {"negative snap spacing", [](SettingsRecord& r) { r.snapSpacing = -2.5; }},
      {"zero view height", [](SettingsRecord& r) { r.viewExtent[1] = 0; }},
      {"layer handle never issued", [](SettingsRecord& r) { r.layer = 9999; }},
      {"line type handle of a layer", [](SettingsRecord& r) { r.lineType = r.layer; }},
      {"no current layer", [](SettingsRecord& r) { r.layer = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsCalls calls;
    const SettingsRecord before = calls.Get();
    SettingsRecord r = before;
    r.whiteBackground = 1;
    r.gridSpacing = 7;
    c.spoil(r);
    EXPECT_EQ(calls.Set(r), 0);
    EXPECT_TRUE(SameRecord(calls.Get(), before));
    EXPECT_EQ(calls.drawing().settings.gridSpacing, 5);
    EXPECT_FALSE(calls.drawing().IsModified());
    EXPECT_EQ(calls.drawing().undo.Top(), 0);
    EXPECT_FALSE(calls.session.view().whiteBackground());
    EXPECT_EQ(calls.profile.GetInt(u"SETTINGS", u"WHITEBCKG", -1), -1);
  }
}

TEST(SettingsServices, EveryPointDisplayModeOfTheListIsTaken) {
  for (int mode : {0, 1, 2, 3, 4, 32, 33, 34, 35, 36, 64, 65, 66, 67, 68, 96, 97, 98, 99, 100}) {
    SCOPED_TRACE(mode);
    SettingsCalls calls;
    SettingsRecord r = calls.Get();
    r.pointDisplayMode = static_cast<uint8_t>(mode);
    EXPECT_EQ(calls.Set(r), 1);
    EXPECT_EQ(calls.drawing().settings.pointDisplayMode, mode);
  }
}

TEST(SettingsServices, NoRecordWithoutADrawing) {
  SettingsCalls calls;
  SettingsRecord r = calls.Get();
  calls.context.drawing = nullptr;
  EXPECT_EQ(calls.Service<GetDrawingSettingsFn>(S::GetDrawingSettings)(&calls.context, &r), 0);
  EXPECT_EQ(calls.Set(r), 0);
  calls.context.drawing = &calls.drawing();
  EXPECT_EQ(calls.Service<GetDrawingSettingsFn>(S::GetDrawingSettings)(&calls.context, nullptr), 0);
  EXPECT_EQ(calls.Service<SetDrawingSettingsFn>(S::SetDrawingSettings)(&calls.context, nullptr), 0);
}

}  // namespace
}  // namespace korvo::testing
