#include "commands/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "commands/command_id.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "platform/file_io.h"
#include "platform/utf16.h"
#include "tests/commands/journal_harness.h"
#include "tests/support/scratch_folder.h"

namespace korvo::testing {
namespace {

const std::filesystem::path kSample =
    std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

// One line in a drawing the user has changed since it was last saved.
void ModifiedWithOneLine(Drawing& drawing) {
  JournalHarness::OneUnitAPixel(drawing);
  auto* line = new LineEntity(Point(10, 10), Point(40, 30), drawing.settings);
  drawing.entities.AddTail(line);
  drawing.SetModifiedFlag(true);
}

void UnmodifiedWithOneLine(Drawing& drawing) {
  ModifiedWithOneLine(drawing);
  drawing.SetModifiedFlag(false);
}

std::size_t LiveEntities(const Drawing& drawing) {
  std::size_t count = 0;
  for (const Entity* entity : drawing.entities) count += entity->IsErased() ? 0 : 1;
  return count;
}

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
  return text;
}

std::string Head(const std::filesystem::path& path, std::size_t size) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return {};
  return std::string(bytes->begin(), bytes->begin() + std::min(size, bytes->size()));
}

TEST(FileCommands, NewAsksAboutAModifiedDrawing) {
  struct Case {
    const char* name;
    JournalHarness::Prepare prepare;
    const char* journal;  // $ stands for the scratch folder
    std::size_t entitiesAfter;
    bool asked;
    bool savedFile;  // $/kept.KorvoDWG was written
  } cases[] = {
      {"unmodified: no question", UnmodifiedWithOneLine, "command new\n", 0, false, false},
      {"No discards the changes", ModifiedWithOneLine, "command new\nanswer no\n", 0, true, false},
      {"Cancel keeps the drawing", ModifiedWithOneLine, "command new\nanswer cancel\n", 1, true,
       false},
      {"Yes on an untitled drawing saves as, then starts anew", ModifiedWithOneLine,
       "command new\nanswer yes\nfile ok $/kept\n", 0, true, true},
      {"Yes, then the file dialog cancelled, keeps the drawing", ModifiedWithOneLine,
       "command new\nanswer yes\nfile cancel\n", 1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    JournalHarness run(Replace(c.journal, "$", folder.path().string()), c.prepare);
    const JournalOutcome outcome = run.Run();
    ASSERT_EQ(outcome.status, JournalStatus::Ran) << outcome.message;
    EXPECT_EQ(LiveEntities(run.drawing()), c.entitiesAfter);
    const auto& messages = run.player->messageBox().Messages();
    ASSERT_EQ(messages.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(messages[0].text, u"Save changes to Untitled?");
      EXPECT_EQ(messages[0].buttons, MessageButtons::YesNoCancel);
    }
    EXPECT_EQ(run.drawing().IsModified(), c.entitiesAfter == 1);
    EXPECT_EQ(std::filesystem::exists(folder / "kept.KorvoDWG"), c.savedFile);
    if (c.savedFile) {
      Drawing reread;
      RecordingMessageBox quiet;
      ASSERT_TRUE(OpenDrawing(folder / "kept.KorvoDWG", reread, quiet).opened);
      EXPECT_EQ(LiveEntities(reread), 1u);
    }
  }
}

TEST(FileCommands, SaveAsChoosesTheFormatByTheExtension) {
  struct Case {
    const char* name;
    const char* command;
    const char* answer;   // the file dialog's answer, in the scratch folder
    const char* options;  // the bitmap options dialog line, if any
    const char* written;  // the file that must exist afterwards
    const char* magic;    // its first bytes
    bool becomesTheName;  // the drawing is then named after it and no longer modified
  } cases[] = {
      {"native", "save_as", "a.KorvoDWG", "", "a.KorvoDWG", "KorvoCAD04", true},
      {"no extension gets the native one", "save_as", "plain", "", "plain.KorvoDWG", "KorvoCAD04",
       true},
      {"another extension is kept, native inside", "save_as", "b.txt", "", "b.txt", "KorvoCAD04",
       true},
      {"DXF in any case", "save_as", "c.DxF", "", "c.DxF", "0\nSECTION\n", false},
      {"DXF export adds its own extension", "file_DXFOUT", "e", "", "e.dxf", "0\nSECTION\n", false},
      {"bitmap after its options", "save_as", "d.bmp",
       "dialog ok Width=16 Height=8 Background=White\n", "d.bmp", "BM", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    JournalHarness run(std::string("command ") + c.command + "\nfile ok \"" +
                           (folder / c.answer).string() + "\"\n" + c.options,
                       ModifiedWithOneLine);
    const JournalOutcome outcome = run.Run();
    ASSERT_EQ(outcome.status, JournalStatus::Ran) << outcome.message;
    const std::filesystem::path written = folder / c.written;
    EXPECT_EQ(Head(written, std::string(c.magic).size()), c.magic);
    EXPECT_EQ(run.drawing().path == written, c.becomesTheName);
    EXPECT_EQ(run.drawing().IsModified(), !c.becomesTheName);
    // No temporary file is left beside the target.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
      ++files;
    EXPECT_EQ(files, 1u);
  }
}

TEST(FileCommands, SaveAsProposesTheNameWithoutItsExtension) {
  EditorSession session;
  ModifiedWithOneLine(session.drawing());
  session.drawing().path = "/drawings/part.KorvoDWG";
  HeadlessFileDialog dialog;  // cancels
  FileCommands files(session.engine(), dialog, nullptr, {});
  EXPECT_FALSE(files.SaveAs());
  ASSERT_EQ(dialog.Requests().size(), 1u);
  const FileDialogRequest& request = dialog.Requests()[0];
  EXPECT_EQ(request.mode, FileDialogMode::Save);
  EXPECT_EQ(request.title, u"Save Drwaing As");
  EXPECT_EQ(request.proposed, std::filesystem::path("/drawings/part"));
  EXPECT_EQ(request.defaultExtension, u"KorvoDWG");
  ASSERT_EQ(request.filters.size(), 3u);
  EXPECT_EQ(request.filters[0].pattern, u"*.KorvoDWG");
  EXPECT_EQ(request.filters[1].pattern, u"*.dxf");
  EXPECT_EQ(request.filters[2].pattern, u"*.bmp");
  EXPECT_TRUE(session.drawing().IsModified());
}

TEST(FileCommands, BitmapOptionsCancelledWritesNothing) {
  ScratchFolder folder;
  JournalHarness run(
      "command save_as\nfile ok \"" + (folder / "x.bmp").string() + "\"\ndialog cancel\n",
      ModifiedWithOneLine);
  ASSERT_EQ(run.Run().status, JournalStatus::Ran);
  EXPECT_FALSE(std::filesystem::exists(folder / "x.bmp"));
}

TEST(FileCommands, SaveWritesUnderTheNameOrAsksForOne) {
  struct Case {
    const char* name;
    const char* path;     // the drawing's name in the scratch folder; empty: untitled
    const char* journal;  // after "command 57603"; $ is the scratch folder
    const char* written;  // the native file that must exist afterwards
  } cases[] = {
      {"named: no dialog", "named.KorvoDWG", "", "named.KorvoDWG"},
      {"untitled: asks for a name", "", "file ok $/new\n", "new.KorvoDWG"},
      {"read from DXF: never written over it", "in.dxf", "file ok $/out.KorvoDWG\n",
       "out.KorvoDWG"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    const std::string path = *c.path ? (folder / c.path).string() : std::string();
    JournalHarness run(
        Replace(std::string("command 57603\n") + c.journal, "$", folder.path().string()),
        [&](Drawing& drawing) {
          ModifiedWithOneLine(drawing);
          drawing.path = path;
        });
    ASSERT_EQ(run.Run().status, JournalStatus::Ran);
    EXPECT_EQ(Head(folder / c.written, 10), "KorvoCAD04");
    EXPECT_FALSE(run.drawing().IsModified());
    EXPECT_EQ(run.drawing().path, folder / c.written);
    EXPECT_EQ(DrawingTitle(run.drawing()), Utf8ToUtf16(c.written));
  }
}

TEST(FileCommands, OpenReplacesTheDrawingAndADamagedFileLeavesANewOne) {
  ScratchFolder folder;
  const std::filesystem::path damaged = folder / "damaged.KorvoDWG";
  {
    // The newest magic, then a line type table whose guarded count is not guarded.
    std::ofstream out(damaged, std::ios::binary);
    out << "KorvoCAD04";
    out.write("\x02\x00\x00\x00\x02\x00\x00\x00", 8);
  }
  struct Case {
    const char* name;
    std::filesystem::path file;
    bool opened;
    const char16_t* message;  // shown, or null
  } cases[] = {
      {"a drawing", kSample, true, nullptr},
      {"a damaged drawing", damaged, false, u"Unexpected file format."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The editor goes on after the file: the zoom that follows runs.
    JournalHarness run("command 57601\nfile ok \"" + c.file.string() + "\"\n" +
                           (c.message ? "answer ok\n" : "") + "command ZOOMALL\n",
                       UnmodifiedWithOneLine);
    const JournalOutcome outcome = run.Run();
    ASSERT_EQ(outcome.status, JournalStatus::Ran) << outcome.message;
    const Drawing& drawing = run.drawing();
    EXPECT_FALSE(drawing.IsModified());
    EXPECT_EQ(drawing.path, c.opened ? c.file : std::filesystem::path());
    EXPECT_NE(drawing.layers.Find(u"0"), nullptr);
    const auto& messages = run.player->messageBox().Messages();
    ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(messages[0].text, c.message);
    }
    if (c.opened) {
      Drawing direct;
      RecordingMessageBox quiet;
      ASSERT_TRUE(OpenDrawing(c.file, direct, quiet).opened);
      EXPECT_EQ(drawing.entities.size(), direct.entities.size());
    } else {
      EXPECT_EQ(LiveEntities(drawing), 0u);
    }
  }
}

TEST(FileCommands, OpenAsksAfterTheFileIsChosenAndCancelKeepsTheDrawing) {
  struct Case {
    const char* name;
    std::string journal;
    std::size_t entitiesAfter;
  } cases[] = {
      {"file dialog cancelled: no question", "command 57601\nfile cancel\n", 1},
      {"question cancelled", "command 57601\nfile ok \"" + kSample.string() + "\"\nanswer cancel\n",
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run(c.journal, ModifiedWithOneLine);
    const JournalOutcome outcome = run.Run();
    ASSERT_EQ(outcome.status, JournalStatus::Ran) << outcome.message;
    EXPECT_EQ(LiveEntities(run.drawing()), c.entitiesAfter);
    EXPECT_TRUE(run.drawing().IsModified());
    EXPECT_TRUE(run.drawing().path.empty());
  }
}

TEST(FileCommands, OpenWhileACommandWaitsStopsItFirst) {
  JournalHarness run("command modify_MOVE\ncommand 57601\nfile ok \"" + kSample.string() +
                         "\"\nexpect-prompt \"\"\n",
                     UnmodifiedWithOneLine);
  const JournalOutcome outcome = run.Run();
  ASSERT_EQ(outcome.status, JournalStatus::Ran) << outcome.message;
  EXPECT_EQ(run.drawing().path, kSample);
  EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
}

TEST(FileCommands, ClosingAsksAboutAModifiedDrawing) {
  struct Case {
    const char* name;
    JournalHarness::Prepare prepare;
    const char* answer;
    bool quits;
  } cases[] = {
      {"unmodified quits at once", UnmodifiedWithOneLine, "", true},
      {"No quits", ModifiedWithOneLine, "answer no\n", true},
      {"Cancel stays", ModifiedWithOneLine, "answer cancel\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The check after the exit is played only when the program is still running.
    JournalHarness run(std::string("command 57665\n") + c.answer + "expect-prompt \"running\"\n",
                       c.prepare);
    const JournalOutcome outcome = run.Run();
    EXPECT_EQ(outcome.status, c.quits ? JournalStatus::Ran : JournalStatus::ExpectationFailed)
        << outcome.message;
  }
}

}  // namespace
}  // namespace korvo::testing
