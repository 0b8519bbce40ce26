#include "plugin/plugin_runner.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/point_entity.h"
#include "platform/program_folder.h"
#include "platform/utf16.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {
namespace {

constexpr int kRunProbe = PluginSession::kProbe + 1;
constexpr int kRunOther = PluginSession::kProbe + 2;

// The x of every point entity, in drawing order.
std::vector<double> PointXs(const Drawing& drawing) {
  std::vector<double> xs;
  for (const Entity* entity : drawing.entities) {
    if (const PointEntity* point = entity->AsPoint()) xs.push_back(point->position.x);
  }
  return xs;
}

TEST(PluginRunner, EachRunLoadsTheModuleAfreshAndReleasesIt) {
  CountingLoader loader;
  PluginSession s("command 1001\ncommand 1001\n", loader);
  s.AddModuleCommand(kRunProbe, kProbeModule, u"COUNT");
  s.Play();
  EXPECT_EQ(loader.loads, 2);
  EXPECT_EQ(loader.releases, 2);
  // The module's run counter starts from nothing each time: it was really unloaded.
  EXPECT_EQ(PointXs(s.drawing()), (std::vector<double>{1, 1}));
}

TEST(PluginRunner, ACachedModuleStaysLoadedUntilTheCacheGoes) {
  CountingLoader loader;
  {
    PluginModuleCache cache(loader);
    PluginSession s("command 1001\ncommand 1001\n", loader);
    s.UseCache(&cache);
    s.AddModuleCommand(kRunProbe, kProbeModule, u"COUNT");
    s.Play();
    EXPECT_EQ(loader.loads, 1);
    EXPECT_EQ(loader.releases, 0);
    // Statics live on between the runs of a kept module.
    EXPECT_EQ(PointXs(s.drawing()), (std::vector<double>{1, 2}));
  }
  EXPECT_EQ(loader.releases, 1);
}

// A file in the program folder that is not a module, for as long as the test runs.
class GarbageModule {
 public:
  explicit GarbageModule(const char* name) : path_(ProgramFolder() / name) {
    std::ofstream(path_, std::ios::binary) << "\x7f"
                                              "ELF but not really a module";
  }
  ~GarbageModule() { std::filesystem::remove(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

TEST(PluginRunner, ModulesThatCannotRunAreReportedAndTheEditorGoesOn) {
  GarbageModule garbage("test_garbage.kxp");
  const std::u16string folder = Utf8ToUtf16(ProgramFolder().string());
  struct Case {
    const char* name;
    const char* module;
    std::u16string message;
  } cases[] = {
      {"missing file", "test_missing.kxp", u"Loading " + folder + u"/test_missing.kxp failed!"},
      {"not a module", "test_garbage.kxp", u"Loading " + folder + u"/test_garbage.kxp failed!"},
      {"no entry point", kNoEntryModule, u"Resolving <<KorvoCADPluginProc>> failed!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CountingLoader loader;
    // The broken command, its message box, then a working command in the same session.
    PluginSession s("command 1001\nanswer ok\ncommand 1002\n", loader);
    s.AddModuleCommand(kRunProbe, c.module, u"COUNT");
    s.AddModuleCommand(kRunOther, kProbeModule, u"COUNT");
    s.Play();
    ASSERT_EQ(s.player().messageBox().Messages().size(), 1u);
    const auto& shown = s.player().messageBox().Messages()[0];
    EXPECT_EQ(shown.text, c.message);
    EXPECT_EQ(shown.icon, MessageIcon::Stop);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    // Only the working command drew; every module loaded was released again.
    EXPECT_EQ(PointXs(s.drawing()), (std::vector<double>{1}));
    EXPECT_EQ(loader.loads, loader.releases);
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
    EXPECT_FALSE(s.engine().pluginRunning);
    EXPECT_FALSE(s.drawing().undo.IsGroupOpen());
  }
}

TEST(PluginRunner, TheUndoGroupIsClosedWhenAskedAndEmptyGroupsAreDropped) {
  struct Case {
    const char* name;
    std::u16string command;
    UndoGroupEnd end;
    bool groupOpen;
    int groups;
  } cases[] = {
      {"closed after a point", u"COUNT", UndoGroupEnd::Close, false, 1},
      {"left open for the handler", u"COUNT", UndoGroupEnd::Leave, true, 1},
      {"nothing recorded", u"UNKNOWN", UndoGroupEnd::Close, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s("command 1001\n");
    s.AddModuleCommand(kRunProbe, kProbeModule, c.command, c.end);
    s.Play();
    EXPECT_EQ(s.drawing().undo.IsGroupOpen(), c.groupOpen);
    EXPECT_EQ(s.drawing().undo.Top(), c.groups);
  }
}

TEST(PluginRunner, OneCommandIsOneUndoStep) {
  PluginSession s("command 1001\ntap 10 20\ntap 30 40\n");
  s.AddModuleCommand(kRunProbe, kProbeModule, u"POINTS");
  s.Play();
  // Two given points and the end (cancelled: code 7).
  EXPECT_EQ(PointXs(s.drawing()), (std::vector<double>{10, 30, 7}));
  ASSERT_TRUE(s.drawing().undo.Undo());
  for (const Entity* entity : s.drawing().entities) EXPECT_TRUE(entity->IsErased());
  EXPECT_FALSE(s.drawing().undo.CanUndo());
}

TEST(PluginRunner, APreviewLeftBehindIsGoneWithTheCommand) {
  PluginSession s("command 1001\n");
  s.AddModuleCommand(kRunProbe, kProbeModule, u"TEMPORARY");
  s.Play();
  EXPECT_TRUE(s.drawing().entities.empty());
  EXPECT_FALSE(s.drawing().IsModified());
  EXPECT_EQ(s.drawing().undo.Top(), 0);
  EXPECT_FALSE(s.session().view().paintSuspended);
}

TEST(PluginRunner, ARepaintAskedForWhileThePluginRunsIsDoneWhenItEnds) {
  PluginSession s("command 1001\n");
  s.AddModuleCommand(kRunProbe, kProbeModule, u"ERASE");
  Entity* line = s.AddLine({20, 100}, {180, 100});
  s.drawing().Select(line);
  // The window as a paint shows the drawing without the line.
  Bitmap expected(0, 0);
  {
    PluginSession empty("");
    empty.session().view().RepaintNow();
    expected = empty.session().view().window();
  }
  s.Play();
  EXPECT_TRUE(line->IsErased());
  EXPECT_FALSE(s.session().view().paintDeferred);
  EXPECT_FALSE(s.session().view().paintSuspended);
  EXPECT_TRUE(s.session().view().window() == expected);
}

}  // namespace
}  // namespace korvo::testing
