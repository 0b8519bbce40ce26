#include <gtest/gtest.h>

#include "plugin/plugin_api.h"
#include "tests/plugin/plugin_session.h"
#include "view/view.h"

namespace korvo::testing {
namespace {

namespace S = PluginService;

constexpr char16_t kPointModes[] =
    u"0\n1\n2\n3\n4\n32\n33\n34\n35\n36\n64\n65\n66\n67\n68\n96\n97\n98\n99\n100";
constexpr uint8_t kModes[] = {0,  1,  2,  3,  4,  32, 33, 34, 35, 36,
                              64, 65, 66, 67, 68, 96, 97, 98, 99, 100};

// What a plug-in's settings sheet does, through the services alone: read the record, edit
// part of it in a sheet, hand it back. `ran` is the sheet's result, `applied` SetDrawingSettings'.
struct SettingsSheet {
  int32_t ran = 0;
  int32_t applied = -1;

  void Run(CommandEngine& engine) {
    PluginContext context(&engine, u"");
    SettingsRecord record;
    ASSERT_EQ(Service<GetDrawingSettingsFn>(context, S::GetDrawingSettings)(&context, &record), 1);
    PluginDialog* sheet = Service<CreatePropertyDialogFn>(context, S::CreatePropertyDialog)(
        &context, u"Drawing Settings", u"SETTINGS");
    ASSERT_NE(sheet, nullptr);
    int32_t mode = 0;
    while (kModes[mode] != record.pointDisplayMode) ++mode;
    Service<AddChoiceRowFn>(context, S::AddChoiceRow)(&context, sheet, u"Drawing background",
                                                      &record.whiteBackground, u"White", u"Black");
    Service<AddDoubleRangeRowFn>(context, S::AddDoubleRangeRow)(
        &context, sheet, u"Spacing:", &record.gridSpacing, 2.2250738585072014e-308,
        1.7976931348623157e308);
    Service<AddListRowFn>(context, S::AddListRow)(&context, sheet, u"Point display, Mode:", &mode,
                                                  kPointModes);
    Service<AddIntRowFn>(context, S::AddIntRow)(&context, sheet, u"Segments per spline patch:",
                                                &record.splineSegments);
    ASSERT_EQ(Service<RunDialogFn>(context, S::RunDialog)(&context, sheet, &ran), 1);
    Service<DestroyDialogFn>(context, S::DestroyDialog)(&context, sheet);
    if (ran != 1) return;
    record.pointDisplayMode = kModes[mode];
    applied = Service<SetDrawingSettingsFn>(context, S::SetDrawingSettings)(&context, &record);
  }
};

TEST(SettingsSheetJournal, DialogLinesEditTheDrawingSettings) {
  struct Case {
    const char* name;
    const char* journal;
    int32_t ran;
    int32_t applied;
    bool white;
    double grid;
    int pointMode;
    int undoGroups;
  } cases[] = {
      {"white background and a new grid",
       "command 1000\ndialog ok \"Drawing background\"=White "
       "spacing=10 \"point display, mode\"=99\n",
       1, 1, true, 10, 99, 1},
      {"confirmed unchanged", "command 1000\ndialog ok\n", 1, 1, false, 5, 34, 1},
      {"zero spacing refused, then answered", "command 1000\ndialog ok Spacing=0\ndialog ok #2=1\n",
       1, 1, false, 1, 34, 1},
      {"cancelled", "command 1000\ndialog cancel #1=White\n", 2, -1, false, 5, 34, 0},
      {"negative segments never reach the drawing",
       "command 1000\ndialog ok #1=White #2=10 #4=-3\n", 1, 0, false, 5, 34, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession session(c.journal);
    session.drawing().settings.gridSpacing = 5;
    SettingsSheet sheet;
    session.AddProbe(PluginSession::kProbe, [&sheet](CommandEngine& e) { sheet.Run(e); });
    session.Play();
    EXPECT_EQ(sheet.ran, c.ran);
    EXPECT_EQ(sheet.applied, c.applied);
    const DrawingSettings& s = session.drawing().settings;
    EXPECT_EQ(session.session().view().whiteBackground(), c.white);
    EXPECT_EQ(session.session().profile().GetInt(u"SETTINGS", u"WHITEBCKG", -1),
              c.applied == 1 ? (c.white ? 1 : 0) : -1);
    EXPECT_EQ(s.gridSpacing, c.grid);
    EXPECT_EQ(s.pointDisplayMode, c.pointMode);
    EXPECT_EQ(s.splineSegments, 8u);
    EXPECT_EQ(session.drawing().undo.Top(), c.undoGroups);
    EXPECT_EQ(session.drawing().IsModified(), c.applied == 1);
  }
}

}  // namespace
}  // namespace korvo::testing
