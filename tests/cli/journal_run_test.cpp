#include "cli/journal_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/element_code.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "platform/message_box.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

const std::filesystem::path kSample =
    std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult RunArgs(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunJournalCommand(args, out, err);
  return {status, out.str(), err.str()};
}

std::filesystem::path WriteJournal(const testing::ScratchFolder& folder, const std::string& text) {
  const std::filesystem::path path = folder.path() / "test.journal";
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(JournalRunCli, ExitStatusSaysHowTheRunEnded) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<std::string> extra;
    int status;
    const char* errContains;
  } cases[] = {
      {"ran", "command ZOOMALL\n", {}, 0, ""},
      {"drawing cannot be read", "command ZOOMALL\n", {"/nonexistent/drawing.KorvoDWG"}, 1, ""},
      {"unknown command",
       "size 100 100\ncommand ZOOMALL\ncommand NOSUCH\n",
       {},
       2,
       "test.journal:3: unknown command"},
      {"line that does not parse", "tap 1\n", {}, 2, "test.journal:1:"},
      {"usage", "command ZOOMALL\n", {"--size", "0x5"}, 2, "usage"},
      {"expectation",
       "command ZOOMWIN\nexpect-prompt \"Nope\"\n",
       {},
       3,
       "test.journal:2: the prompt is \"First corner? <0, 0>\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ScratchFolder folder;
    std::vector<std::string> args = {WriteJournal(folder, c.journal).string()};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const RunResult run = RunArgs(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
  }
}

TEST(JournalRunCli, EditsTheDrawingAndSavesIt) {
  testing::ScratchFolder folder;
  const std::filesystem::path saved = folder.path() / "edited.KorvoDWG";
  const RunResult run =
      RunArgs({WriteJournal(folder, "command ZOOMWIN\ntap 10 20\ntap 100 120\n").string(),
               kSample.string(), "--save", saved.string(), "--transcript"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("prompt: First corner? <", 0), 0u) << run.out;
  RecordingMessageBox messages;
  Drawing drawing;
  ASSERT_TRUE(OpenDrawing(saved, drawing, messages).opened);
  EXPECT_NEAR(drawing.settings.viewOrigin.x, 10, 1);
  EXPECT_NEAR(drawing.settings.viewOrigin.y, 20, 1);
}

TEST(JournalRunCli, DrawsWithTheCommandSetPlugin) {
  testing::ScratchFolder folder;
  const std::filesystem::path saved = folder.path() / "drawn.KorvoDWG";
  const RunResult run = RunArgs({WriteJournal(folder,
                                              "command ZOOMALL\ncommand draw_LINE\n"
                                              "tap 10 20\ntap 100 120\n")
                                     .string(),
                                 "--save", saved.string(), "--transcript"});
  ASSERT_EQ(run.status, 0) << run.err;
  // The plug-in's own prompts reach the prompt line.
  EXPECT_NE(run.out.find("prompt: Start? <done>\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("prompt: End?\n"), std::string::npos) << run.out;
  RecordingMessageBox messages;
  Drawing drawing;
  ASSERT_TRUE(OpenDrawing(saved, drawing, messages).opened);
  ASSERT_EQ(drawing.entities.size(), 1u);
  EXPECT_EQ(drawing.entities.Head()->GetElementCode(), ElementCode::Line);
}

// The shipped plug-in sample draws what its comments say: four sides, four rounded corners,
// the bore and six bolt holes, and a rib of two trace segments.
TEST(JournalRunCli, ThePluginSampleDrawsItsPart) {
  testing::ScratchFolder folder;
  std::ifstream in(std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "part.journal");
  std::string journal((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string shot = "build/run/part-window.bmp";
  const std::size_t at = journal.find(shot);
  ASSERT_NE(at, std::string::npos);
  journal.replace(at, shot.size(), (folder.path() / "window.bmp").string());
  const std::filesystem::path saved = folder.path() / "part.KorvoDWG";
  const RunResult run = RunArgs({WriteJournal(folder, journal).string(), "--save", saved.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "window.bmp"));
  RecordingMessageBox messages;
  Drawing drawing;
  ASSERT_TRUE(OpenDrawing(saved, drawing, messages).opened);
  std::map<int, int> kinds;
  for (const Entity* e : drawing.entities) {
    if (!e->IsErased()) ++kinds[e->GetElementCode()];
  }
  EXPECT_EQ(kinds, (std::map<int, int>{{ElementCode::Line, 4},
                                       {ElementCode::Arc, 4},
                                       {ElementCode::Circle, 7},
                                       {ElementCode::Trace, 2}}));
}

TEST(JournalRunCli, SaveThatFailsExitsWithOne) {
  testing::ScratchFolder folder;
  const RunResult run = RunArgs({WriteJournal(folder, "command ZOOMALL\n").string(), "--save",
                                 (folder.path() / "missing" / "x.KorvoDWG").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(run.err.empty());
}

// The symbol sample saves its frame into the catalogue given and inserts it twice.
TEST(JournalRunCli, TheSymbolSampleSavesAndInsertsItsFrame) {
  testing::ScratchFolder folder;
  const std::filesystem::path journal =
      std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "symbols.journal";
  const std::filesystem::path catalog = folder.path() / "symbols";
  const std::filesystem::path saved = folder.path() / "frames.KorvoDWG";
  const RunResult run =
      RunArgs({journal.string(), "--save", saved.string(), "--symbols", catalog.string()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(catalog / "Frame.KorvoDWG"));
  RecordingMessageBox messages;
  Drawing drawing;
  ASSERT_TRUE(OpenDrawing(saved, drawing, messages).opened);
  std::vector<const InsertEntity*> inserts;
  for (const Entity* e : drawing.entities) {
    EXPECT_NE(e->GetElementCode(), ElementCode::Line);
    if (const InsertEntity* insert = e->AsInsert()) inserts.push_back(insert);
  }
  ASSERT_EQ(inserts.size(), 2u);
  EXPECT_EQ(inserts[0]->insertionPoint, Point(100, 20));
  EXPECT_EQ(inserts[1]->insertionPoint, Point(140, 120));
  EXPECT_NEAR(inserts[1]->xScale, 2, 1e-12);
  EXPECT_NEAR(inserts[1]->yScale, 1, 1e-12);
  EXPECT_NEAR(inserts[1]->rotation, 1.5707963267948966, 1e-12);
  ASSERT_NE(drawing.blocks.Find(u"Frame"), nullptr);
  EXPECT_EQ(drawing.blocks.Find(u"Frame")->size(), 5u);
}

TEST(JournalRunCli, ASymbolCatalogueThatCannotBeMadeExitsWithOne) {
  testing::ScratchFolder folder;
  std::ofstream(folder.path() / "taken") << "a file";
  const RunResult run =
      RunArgs({WriteJournal(folder, "").string(), "--symbols", (folder.path() / "taken").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot be used as the symbol catalogue"), std::string::npos);
}

}  // namespace
}  // namespace korvo
