#include <string>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "platform/pixel_color.h"
#include "tests/plugin/commandset/edit_journal.h"

namespace korvo::testing {
namespace {

TEST(SettingsCommand, ConfirmedRowsReachTheDrawing) {
  struct Case {
    const char* name;
    const char* answer;
    uint8_t modeBefore;
    void (*expect)(const DrawingSettings&);
  } cases[] = {
      {"limits and grid spacing", "dialog ok \"Drawing limits, min X\"=-5 #9=2.5\n", 0,
       [](const DrawingSettings& s) {
         EXPECT_EQ(s.limitsMin.x, -5);
         EXPECT_EQ(s.gridSpacing, 2.5);
       }},
      {"point display 34 is item 7 and comes back as 34", "dialog ok\n", 34,
       [](const DrawingSettings& s) { EXPECT_EQ(s.pointDisplayMode, 34); }},
      {"point display item 7 is mode 34", "dialog ok \"Point display, Mode\"=7\n", 0,
       [](const DrawingSettings& s) { EXPECT_EQ(s.pointDisplayMode, 34); }},
      {"point display by its text", "dialog ok \"Point display, Mode\"=100\n", 0,
       [](const DrawingSettings& s) { EXPECT_EQ(s.pointDisplayMode, 100); }},
      {"any segment count, zero included", "dialog ok \"Segments per spline patch\"=0\n", 0,
       [](const DrawingSettings& s) { EXPECT_EQ(s.splineSegments, 0u); }},
      {"switches", "dialog ok \"Drawing grid, Mode\"=ON \"Ortho SNAP, Mode\"=ON\n", 0,
       [](const DrawingSettings& s) {
         EXPECT_EQ(s.gridOn, 1);
         EXPECT_EQ(s.orthoSnap, 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string("command SETTINGS\n") + c.answer);
    s.drawing().settings.pointDisplayMode = c.modeBefore;
    s.Play();
    ASSERT_EQ(s.player().propertySheet().Titles().size(), 1u);
    EXPECT_EQ(s.player().propertySheet().Titles()[0], u"Drawing Settings");
    c.expect(s.drawing().settings);
    // Even an unchanged OK is a change: one undo step, the drawing modified.
    EXPECT_TRUE(s.drawing().undo.CanUndo());
    EXPECT_TRUE(s.drawing().IsModified());
  }
}

// The window shows the new background at once and keeps it through the commands that follow.
TEST(SettingsCommand, BackgroundTakesEffectAndIsRemembered) {
  const std::string white = "command SETTINGS\ndialog ok \"Drawing background\"=White\n";
  const std::string black = "command SETTINGS\ndialog ok \"Drawing background\"=Black\n";
  struct Case {
    const char* name;
    std::string journal;
    int stored;
  } cases[] = {
      {"white", white, 1},
      {"white, then another plug-in command", white + "command draw_LINE\nkey Escape\n", 1},
      {"black after white", white + black + "command draw_LINE\nkey Escape\n", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(c.journal);
    s.Play();
    EXPECT_EQ(s.session().profile().GetInt(u"SETTINGS", u"WHITEBCKG", -1), c.stored);
    EXPECT_EQ(s.session().view().whiteBackground(), c.stored == 1);
    const Bitmap& window = s.session().view().window();
    EXPECT_EQ(window.Pixel(0, 0), c.stored == 1 ? kWhite : 0u);
    EXPECT_EQ(window.Pixel(window.width() - 1, window.height() - 1), c.stored == 1 ? kWhite : 0u);
  }
}

TEST(SettingsCommand, NothingChangesWithoutAnOk) {
  struct Case {
    const char* name;
    const char* journal;
    uint8_t mode;
    std::size_t sheets;
  } cases[] = {
      {"cancelled", "command SETTINGS\ndialog cancel \"Drawing limits, min X\"=-5\n", 0, 1},
      {"a point display mode the list lacks shows no sheet", "command SETTINGS\n", 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(c.journal);
    s.drawing().settings.pointDisplayMode = c.mode;
    const DrawingSettings before = s.drawing().settings;
    s.Play();
    EXPECT_EQ(s.player().propertySheet().Titles().size(), c.sheets);
    EXPECT_EQ(s.drawing().settings.limitsMin, before.limitsMin);
    EXPECT_EQ(s.drawing().settings.pointDisplayMode, c.mode);
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_FALSE(s.drawing().IsModified());
  }
}

}  // namespace
}  // namespace korvo::testing
