#include "commands/symbol_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_engine.h"
#include "commands/symbol_dialog.h"
#include "core/archive.h"
#include "core/block_definition.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "platform/file_io.h"
#include "platform/profile.h"
#include "platform/property_sheet.h"
#include "platform/symbol_catalog.h"
#include "platform/utf16.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;
using testing::ScratchFolder;

using Segment = std::pair<Point, Point>;

// A symbol drawing of lines, based at `base`.
void WriteSymbol(const fs::path& file, const std::vector<Segment>& lines, Point base = {}) {
  Drawing symbol;
  symbol.New();
  symbol.settings.basePoint = base;
  for (const auto& [a, b] : lines) symbol.entities.AddTail(new LineEntity(a, b, symbol.settings));
  RecordingMessageBox messages;
  ASSERT_TRUE(SaveDrawing(symbol, file, messages));
}

std::vector<Segment> LinesIn(const fs::path& file) {
  Drawing drawing;
  RecordingMessageBox messages;
  EXPECT_TRUE(OpenDrawing(file, drawing, messages).opened);
  std::vector<Segment> lines;
  for (Entity* entity : drawing.entities)
    if (const LineEntity* line = entity->AsLine()) lines.emplace_back(line->start, line->end);
  return lines;
}

std::vector<InsertEntity*> LiveInserts(Drawing& drawing) {
  std::vector<InsertEntity*> inserts;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsInsert() != nullptr) inserts.push_back(entity->AsInsert());
  return inserts;
}

// A journal session whose catalogue is a scratch folder; the default catalogue, should a
// command fall back on it, is another one, never the user's own.
class SymbolSession {
 public:
  explicit SymbolSession(std::string_view journal, bool setCatalog = true) : s(journal) {
    RegisterSymbolCommands(s.engine(), {fallback / "Symbols"});
    if (setCatalog)
      s.session().profile().SetString(kSettingsSection, kSymbolCatalogKey,
                                      catalog.path().u16string());
  }
  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> texts;
    for (const auto& m : s.player().messageBox().Messages()) texts.push_back(m.text);
    return texts;
  }
  std::u16string Setting(std::u16string_view key) {
    return s.session().profile().GetString(kSettingsSection, key, u"?");
  }

  ScratchFolder catalog{"symbols"};
  ScratchFolder fallback{"data"};
  JournalSession s;
};

const std::vector<Segment> kBox = {{{0, 0}, {10, 0}}, {{0, 0}, {0, 5}}};

TEST(SaveAsSymbol, WritesTheDrawingUnderTheNameAndRemembersIt) {
  SymbolSession t("command 32887\ndialog ok #1=Furniture Name=Chair\n");
  fs::create_directories(t.catalog / "Furniture");
  t.s.AddLine({20, 100}, {60, 100});
  t.s.AddLine({20, 140}, {60, 140});
  t.s.Play();
  const fs::path file = t.catalog / "Furniture" / "Chair.KorvoDWG";
  EXPECT_EQ(LinesIn(file).size(), 2u);
  EXPECT_EQ(t.Setting(kSymbolLibraryKey), u"Furniture");
  EXPECT_EQ(t.Setting(kSymbolKey), u"Chair");
  EXPECT_TRUE(t.Messages().empty());
  EXPECT_FALSE(t.s.drawing().undo.CanUndo());
  EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
}

TEST(SaveAsSymbol, ASelectionIsSavedAloneAndTheDrawingKeepsEverything) {
  SymbolSession t("command 32887\ndialog ok Name=Part\n");
  t.s.AddLine({20, 100}, {60, 100});
  LineEntity* chosen = t.s.AddLine({20, 140}, {60, 140});
  t.s.drawing().Select(chosen);
  const std::string before = LiveEntities(t.s.drawing());
  t.s.Play();
  const std::vector<Segment> saved = LinesIn(t.catalog / "Part.KorvoDWG");
  ASSERT_EQ(saved.size(), 1u);
  ExpectPointNear(saved[0].first, {20, 140}, 0);
  // The others were hidden from the file only.
  for (Entity* entity : t.s.drawing().entities) EXPECT_FALSE(entity->IsErased());
  EXPECT_EQ(LiveEntities(t.s.drawing()), before);
}

// The name box and the file already there: the dialog stays open until a name is accepted.
TEST(SaveAsSymbol, NamesThatCannotBeTakenKeepTheDialogOpen) {
  const std::u16string exists = u" already exists. Do you want to replace the existing file?";
  struct Case {
    const char* name;
    const char* answers;
    std::vector<std::u16string> messages;  // up to the file name of a replace question
    const char* written;                   // the file that got the two lines, if any
  } cases[] = {
      {"empty name",
       "dialog ok Name=\"\"\nanswer ok\ndialog ok Name=New\n",
       {u"Specify a correct name of Symbol!"},
       "New"},
      {"a path is no name",
       "dialog ok Name=a/b\nanswer ok\ndialog cancel\n",
       {u"Specify a correct name of Symbol!"},
       nullptr},
      {"replace: no, then another name",
       "dialog ok Name=Old\nanswer no\ndialog ok Name=New\n",
       {u"The file "},
       "New"},
      {"replace: yes", "dialog ok Name=Old\nanswer yes\n", {u"The file "}, "Old"},
      {"cancel", "dialog cancel\n", {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SymbolSession t(std::string("command 32887\n") + c.answers);
    WriteSymbol(t.catalog / "Old.KorvoDWG", {{{1, 1}, {2, 2}}});
    t.s.AddLine({20, 100}, {60, 100});
    t.s.AddLine({20, 140}, {60, 140});
    t.s.Play();
    const std::vector<std::u16string> messages = t.Messages();
    ASSERT_EQ(messages.size(), c.messages.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
      EXPECT_EQ(messages[i].substr(0, c.messages[i].size()), c.messages[i]);
      if (c.messages[i] == u"The file ") {
        EXPECT_EQ(messages[i], u"The file " + (t.catalog / "Old.KorvoDWG").u16string() + exists);
      }
    }
    const bool oldReplaced = c.written != nullptr && std::string(c.written) == "Old";
    EXPECT_EQ(LinesIn(t.catalog / "Old.KorvoDWG").size(), oldReplaced ? 2u : 1u);
    EXPECT_EQ(fs::exists(t.catalog / "New.KorvoDWG"),
              c.written != nullptr && std::string(c.written) == "New");
    EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
  }
}

TEST(SaveAsSymbol, WithoutACatalogueTheDefaultFolderIsMadeOnFirstUse) {
  SymbolSession t("command 32887\ndialog ok Name=First\n", false);
  t.s.AddLine({20, 100}, {60, 100});
  t.s.Play();
  const fs::path folder = t.fallback / "Symbols";
  EXPECT_TRUE(fs::exists(folder / "First.KorvoDWG"));
  EXPECT_EQ(t.Setting(kSymbolCatalogKey), folder.u16string());
}

TEST(SaveAsSymbol, ADefaultFolderThatCannotBeMadeIsReported) {
  SymbolSession t("command 32887\nanswer ok\n", false);
  std::ofstream(t.fallback / "Symbols") << "a file where the folder should be";
  t.s.AddLine({20, 100}, {60, 100});
  t.s.Play();
  EXPECT_EQ(t.Messages(),
            std::vector<std::u16string>{u"Cannot create folder: '" +
                                        (t.fallback / "Symbols").u16string() + u"'!"});
  EXPECT_EQ(t.Setting(kSymbolCatalogKey), u"?");
  EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
}

// A line that cannot write its body.
class UnwritableLine : public LineEntity {
 public:
  using LineEntity::LineEntity;
  bool WriteBody(ArchiveWriter&) const override { return false; }
};

TEST(SaveAsSymbol, AFailedWriteKeepsThePreviousFile) {
  SymbolSession t("command 32887\ndialog ok Name=Old\nanswer yes\nanswer ok\n");
  WriteSymbol(t.catalog / "Old.KorvoDWG", {{{1, 1}, {2, 2}}});
  const std::optional<std::vector<uint8_t>> before = ReadFileBytes(t.catalog / "Old.KorvoDWG");
  t.s.AddLine({20, 100}, {60, 100});
  t.s.drawing().entities.AddTail(new UnwritableLine({0, 0}, {1, 1}, t.s.drawing().settings));
  t.s.Play();
  EXPECT_EQ(t.Messages().back(), u"Failed to save document.");
  EXPECT_EQ(ReadFileBytes(t.catalog / "Old.KorvoDWG"), before);
  // Nothing written beside it stays behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(t.catalog.path()), {}), 1);
  EXPECT_EQ(t.Setting(kSymbolKey), u"?");
}

// The symbol "Box": a line 10 along x and one 5 up y from its base point (0, 0).
class InsertSession : public SymbolSession {
 public:
  explicit InsertSession(std::string_view journal) : SymbolSession(journal) {
    WriteSymbol(catalog / "Box.KorvoDWG", kBox);
  }
};

void ExpectReference(const InsertEntity* insert, const Point& at, double xScale, double yScale,
                     double rotation) {
  ASSERT_NE(insert, nullptr);
  EXPECT_EQ(insert->blockName, u"Box");
  ExpectPointNear(insert->insertionPoint, at, 1e-9);
  EXPECT_NEAR(insert->xScale, xScale, 1e-12);
  EXPECT_NEAR(insert->yScale, yScale, 1e-12);
  EXPECT_NEAR(insert->rotation, rotation, 1e-12);
}

TEST(InsertSymbol, TheDefaultsGiveScaleOneAndRotationZero) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Box\n"
      "expect-prompt \"Insertion point? <done>\"\ntap 50 50\n"
      "expect-prompt \"Scale factor? <1>\"\ndefault\n"
      "expect-prompt \"Rotation angle? <0>\"\ndefault\n"
      "expect-prompt \"Insertion point? <done>\"\ndefault\n");
  t.s.Play();
  const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
  ASSERT_EQ(inserts.size(), 1u);
  ExpectReference(inserts[0], {50, 50}, 1, 1, 0);
  // The parts sit where the block puts them.
  ASSERT_EQ(inserts[0]->expanded.size(), 2u);
  const LineEntity* first = inserts[0]->expanded.Head()->AsLine();
  ASSERT_NE(first, nullptr);
  ExpectPointNear(first->start, {50, 50}, 1e-9);
  ExpectPointNear(first->end, {60, 50}, 1e-9);
  EXPECT_EQ(inserts[0]->layer, t.s.drawing().settings.currentLayer);
  const BlockDefinition* block = t.s.drawing().blocks.Find(u"Box");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->size(), 2u);
  EXPECT_EQ(t.Setting(kSymbolKey), u"Box");
  EXPECT_TRUE(t.Messages().empty());
  EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
  EXPECT_TRUE(t.s.drawing().IsModified());
}

// The shell's own dialog: answers with a name and its own text in the caller's rows.
class ScriptedSymbolDialog : public SymbolDialogService {
 public:
  std::optional<SymbolLocation> Run(SymbolDialogModel& model, Profile& profile,
                                    const SymbolSheetLayout& layout) override {
    title = layout.title;
    PropertySheetModel sheet(u"", u"");
    if (layout.addRows) layout.addRows(sheet);
    if (const auto row = sheet.FindRow(u"X scale:")) sheet.SetRowText(*row, u"2");
    if (!sheet.Accept()) return std::nullopt;
    model.SetName(u"Box");
    if (!model.Accept()) return std::nullopt;
    WriteSymbolLocation(profile, model.location());
    return model.location();
  }
  std::u16string title;
};

TEST(InsertSymbol, TheDialogServiceGivenIsAskedInsteadOfThePropertySheet) {
  // No "dialog" line: the property sheet would cancel.
  InsertSession t("command draw_INSERT\ntap 50 50\ndefault\ndefault\ndefault\n");
  ScriptedSymbolDialog dialog;
  RegisterSymbolCommands(t.s.engine(), {t.fallback / "Symbols", &dialog});
  t.s.Play();
  EXPECT_EQ(dialog.title, u"Select Drawing Block");
  const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
  ASSERT_EQ(inserts.size(), 1u);
  ExpectReference(inserts[0], {50, 50}, 2, 1, 0);
  EXPECT_EQ(t.Setting(kSymbolKey), u"Box");
}

TEST(InsertSymbol, TheCursorPointsGiveScaleAndRotation) {
  constexpr double kQuarter = 1.5707963267948966;
  struct Case {
    const char* name;
    const char* answers;  // after the insertion point (50, 50)
    double xScale, yScale, rotation;
  } cases[] = {
      {"opposite corner at twice the size", "tap 70 60\ndefault\n", 2, 2, 0},
      {"mirrored and flattened", "tap 45 51\ndefault\n", -0.5, 0.2, 0},
      {"on the insertion's level: 0 counts as 1", "tap 80 50\ndefault\n", 3, 1, 0},
      {"rotation straight up", "default\ntap 50 90\n", 1, 1, kQuarter},
      {"rotation on the insertion point", "default\ntap 50 50\n", 1, 1, 0},
      {"typed", "point 60 55\nvalue 180\n", 1, 1, 2 * kQuarter},
  };
  // The dialog's scale factors and angle are what the defaults answer.
  struct DialogCase {
    const char* name;
    const char* dialog;
    double xScale, yScale, rotation;
  } dialogCases[] = {
      {"dialog as it opens", "dialog ok Symbol=Box\n", 1, 1, 0},
      {"dialog values", "dialog ok Symbol=Box #3=2 #4=0.5 #5=90\n", 2, 0.5, kQuarter},
  };
  for (const DialogCase& c : dialogCases) {
    SCOPED_TRACE(c.name);
    InsertSession t(std::string("command draw_INSERT\n") + c.dialog +
                    "tap 50 50\ndefault\ndefault\ndefault\n");
    t.s.Play();
    const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
    ASSERT_EQ(inserts.size(), 1u);
    ExpectReference(inserts[0], {50, 50}, c.xScale, c.yScale, c.rotation);
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InsertSession t(std::string("command draw_INSERT\ndialog ok Symbol=Box\ntap 50 50\n") +
                    c.answers + "default\n");
    t.s.Play();
    const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
    ASSERT_EQ(inserts.size(), 1u);
    ExpectReference(inserts[0], {50, 50}, c.xScale, c.yScale, c.rotation);
  }
}

TEST(InsertSymbol, ThePreviewFollowsTheCursorAndLeavesNoTrace) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Box\n"
      "press 30 30\nmove 50 50\ncommand 1001\nrelease 50 50\n"
      "press 60 60\nmove 70 60\ncommand 1001\nrelease 70 60\n"
      "press 50 60\nmove 50 90\ncommand 1001\ncommand 32819\n");
  std::vector<Bitmap> shown;
  t.s.AddProbe(1001, [&](CommandEngine& engine) { shown.push_back(engine.view().window()); });
  t.s.Play();
  ASSERT_EQ(shown.size(), 3u);
  for (const Bitmap& window : shown) EXPECT_NE(window, t.s.windowBefore());
  EXPECT_NE(shown[0], shown[1]);
  EXPECT_NE(shown[1], shown[2]);
  // Cancelled at the rotation: nothing placed, nothing left on the window.
  EXPECT_TRUE(LiveInserts(t.s.drawing()).empty());
  EXPECT_EQ(t.s.session().view().window(), t.s.windowBefore());
}

// The grid toggled while the reference follows the pen repaints the window; the reference
// then must not come back as a ghost when it moves on or the command ends.
TEST(InsertSymbol, AGridToggleWhileThePreviewIsShownLeavesNoGhost) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Box\n"
      "press 30 30\nmove 50 50\ncommand GRID\nmove 60 50\ncommand GRID\ncommand 32819\n");
  t.s.Play();
  EXPECT_TRUE(LiveInserts(t.s.drawing()).empty());
  EXPECT_EQ(t.s.session().view().window(), t.s.windowBefore());
}

TEST(InsertSymbol, ACancelAtAnyStepPlacesNothing) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"dialog", "command draw_INSERT\ndialog cancel\n"},
      {"insertion point", "command draw_INSERT\ndialog ok Symbol=Box\nmove 20 20\n"},
      {"scale", "command draw_INSERT\ndialog ok Symbol=Box\ntap 50 50\nmove 60 60\n"},
      {"rotation", "command draw_INSERT\ndialog ok Symbol=Box\ntap 50 50\ndefault\nmove 9 9\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InsertSession t(std::string(c.journal) + "command 32819\n");
    t.s.AddLine({20, 100}, {60, 100});
    const std::string before = LiveEntities(t.s.drawing());
    t.s.Play();
    EXPECT_EQ(LiveEntities(t.s.drawing()), before);
    EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
    EXPECT_EQ(t.s.session().view().window(), t.s.windowBefore());
  }
}

TEST(InsertSymbol, OneUndoTakesBlockAndReferencesAwayAndRedoBringsThemBack) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Box\ntap 50 50\ndefault\ndefault\n"
      "tap 100 100\ndefault\ndefault\ndefault\n"
      "command 1001\ncommand UNDO\ncommand 1001\ncommand REDO\ncommand 1001\n");
  t.s.AddLine({20, 150}, {60, 150});
  const std::string original = LiveEntities(t.s.drawing());
  std::vector<std::string> seen;
  std::vector<bool> hasBlock;
  t.s.AddProbe(1001, [&](CommandEngine& engine) {
    seen.push_back(LiveEntities(engine.drawing()));
    hasBlock.push_back(engine.drawing().blocks.Find(u"Box") != nullptr);
  });
  t.s.Play();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_NE(seen[0], original);
  EXPECT_EQ(seen[1], original);
  EXPECT_EQ(seen[2], seen[0]);
  EXPECT_EQ(hasBlock, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(LiveInserts(t.s.drawing()).size(), 2u);
}

TEST(InsertSymbol, ASymbolSavedThenInsertedTwice) {
  SymbolSession t(
      "command 32887\ndialog ok Name=Pair\n"
      "command modify_ERASE\ncommand 32911\ndefault\ncommand 32819\n"
      "command draw_INSERT\ndialog ok Symbol=Pair\ntap 100 20\ndefault\ndefault\ndefault\n"
      "command draw_INSERT\ndialog ok Symbol=Pair\ntap 100 60\ntap 120 70\ndefault\ndefault\n");
  t.s.AddLine({0, 0}, {10, 0});
  t.s.AddLine({0, 10}, {10, 10});
  t.s.Play();
  const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
  ASSERT_EQ(inserts.size(), 2u);
  EXPECT_EQ(inserts[0]->blockName, u"Pair");
  EXPECT_EQ(inserts[1]->blockName, u"Pair");
  EXPECT_NEAR(inserts[1]->xScale, 2, 1e-12);
  EXPECT_NEAR(inserts[1]->yScale, 1, 1e-12);
  // The second reference's parts: the lines doubled in x, carried to (100, 60).
  ASSERT_EQ(inserts[1]->expanded.size(), 2u);
  const LineEntity* top = inserts[1]->expanded.Tail()->AsLine();
  ASSERT_NE(top, nullptr);
  ExpectPointNear(top->start, {100, 70}, 1e-9);
  ExpectPointNear(top->end, {120, 70}, 1e-9);
  EXPECT_EQ(t.s.drawing().blocks.size(), 1u);
  EXPECT_TRUE(t.Messages().empty());
}

TEST(InsertSymbol, UpdateOnlyRedefinesTheBlockAndPlacesNothing) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Box\ntap 50 50\ndefault\ndefault\ndefault\n"
      "command 1001\n"
      "command draw_INSERT\ndialog ok Symbol=Box #6=yes\n");
  t.s.AddProbe(1001, [&](CommandEngine&) {
    WriteSymbol(t.catalog / "Box.KorvoDWG", {{{0, 0}, {0, 20}}});
  });
  t.s.Play();
  const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
  ASSERT_EQ(inserts.size(), 1u);
  ASSERT_EQ(inserts[0]->expanded.size(), 1u);
  const LineEntity* part = inserts[0]->expanded.Head()->AsLine();
  ASSERT_NE(part, nullptr);
  ExpectPointNear(part->end, {50, 70}, 1e-9);
  EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
}

// Whatever is wrong with the file, the native file's message shows and the drawing stays.
TEST(InsertSymbol, SymbolFilesThatCannotBeReadAreRefused) {
  struct Case {
    const char* name;
    std::string bytes;  // written as Bad.KorvoDWG; "-" for no file at all
    const char* message;
  } cases[] = {
      {"missing", "-", "Failed to open document."},
      {"empty file", "", "Unexpected file format."},
      {"not a drawing", "just some words, longer than any magic", "Failed to open document."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InsertSession t("command draw_INSERT\ndialog ok Symbol=Bad\nanswer ok\n");
    if (c.bytes != "-") std::ofstream(t.catalog / "Bad.KorvoDWG", std::ios::binary) << c.bytes;
    t.s.AddLine({20, 100}, {60, 100});
    const std::string before = LiveEntities(t.s.drawing());
    t.s.Play();
    EXPECT_EQ(t.Messages(), std::vector<std::u16string>{Utf8ToUtf16(c.message)});
    EXPECT_EQ(LiveEntities(t.s.drawing()), before);
    EXPECT_EQ(t.s.drawing().blocks.size(), 0u);
    EXPECT_FALSE(t.s.drawing().undo.CanUndo());
    EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
  }
}

TEST(InsertSymbol, ADamagedSymbolIsRefused) {
  InsertSession t("command draw_INSERT\ndialog ok Symbol=Box\nanswer ok\n");
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(t.catalog / "Box.KorvoDWG");
  ASSERT_TRUE(bytes && bytes->size() > 40);
  bytes->resize(bytes->size() - 20);
  std::ofstream(t.catalog / "Box.KorvoDWG", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes->data()), std::streamsize(bytes->size()));
  t.s.Play();
  ASSERT_EQ(t.Messages().size(), 1u);
  EXPECT_TRUE(t.s.drawing().entities.empty());
  EXPECT_EQ(t.s.drawing().blocks.size(), 0u);
}

// One line from (0, 0) to (10, 5) on layer 0, written by hand.
constexpr std::string_view kLineDxf =
    "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n10\n21\n5\n0\nENDSEC\n0\nEOF\n";

// The library's DXF files are offered under their own names and inserted as drawing files are.
TEST(InsertSymbol, ADxfFileOfTheLibraryIsInsertedLikeADrawingFile) {
  InsertSession t(
      "command draw_INSERT\ndialog ok Symbol=Bracket.DXF\ntap 50 50\ndefault\ndefault\n"
      "default\n");
  std::ofstream(t.catalog / "Bracket.DXF", std::ios::binary) << kLineDxf;
  t.s.Play();
  EXPECT_TRUE(t.Messages().empty());
  const std::vector<InsertEntity*> inserts = LiveInserts(t.s.drawing());
  ASSERT_EQ(inserts.size(), 1u);
  EXPECT_EQ(inserts[0]->blockName, u"Bracket.DXF");
  ASSERT_EQ(inserts[0]->expanded.size(), 1u);
  const LineEntity* part = inserts[0]->expanded.Head()->AsLine();
  ASSERT_NE(part, nullptr);
  ExpectPointNear(part->start, {50, 50}, 1e-9);
  ExpectPointNear(part->end, {60, 55}, 1e-9);
  EXPECT_EQ(t.Setting(kSymbolKey), u"Bracket.DXF");
}

TEST(InsertSymbol, ADxfFileThatCannotBeReadIsRefused) {
  InsertSession t("command draw_INSERT\ndialog ok Symbol=Bad.dxf\nanswer ok\n");
  std::ofstream(t.catalog / "Bad.dxf", std::ios::binary)
      << "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nx";
  t.s.AddLine({20, 100}, {60, 100});
  const std::string before = LiveEntities(t.s.drawing());
  t.s.Play();
  EXPECT_EQ(t.Messages().size(), 1u);
  EXPECT_EQ(LiveEntities(t.s.drawing()), before);
  EXPECT_EQ(t.s.drawing().blocks.size(), 0u);
  EXPECT_FALSE(t.s.drawing().undo.CanUndo());
}

TEST(InsertSymbol, FreeLineGroupsOfTheSymbolTakeTheNextFreeName) {
  SymbolSession t("command draw_INSERT\ndialog ok Symbol=Sketch\ntap 50 50\ndefault\ndefault\n");
  {
    Drawing symbol;
    symbol.New();
    EntityList stroke;
    stroke.AddTail(new LineEntity({0, 0}, {0, 9}, symbol.settings));
    BlockDefinition* group = symbol.blocks.CreateBlock(u"*FLD1", stroke, {}, {}, {});
    auto* reference = new InsertEntity(u"*FLD1", {}, 1, 1, 0, symbol.settings);
    reference->SetBlock(*group);
    symbol.entities.AddTail(reference);
    RecordingMessageBox messages;
    ASSERT_TRUE(SaveDrawing(symbol, t.catalog / "Sketch.KorvoDWG", messages));
  }
  EntityList own;
  own.AddTail(new LineEntity({0, 0}, {9, 0}, t.s.drawing().settings));
  t.s.drawing().blocks.CreateBlock(u"*fld1", own, {}, {}, {});
  t.s.Play();
  ASSERT_NE(t.s.drawing().blocks.Find(u"*FLD2"), nullptr);
  EXPECT_EQ(t.s.drawing().blocks.Find(u"*FLD1")->Head()->AsLine()->end, Point(9, 0));
  EXPECT_EQ(t.s.drawing().blocks.Find(u"*FLD2")->Head()->AsLine()->end, Point(0, 9));
  const BlockDefinition* sketch = t.s.drawing().blocks.Find(u"Sketch");
  ASSERT_NE(sketch, nullptr);
  EXPECT_EQ(sketch->Head()->AsInsert()->blockName, u"*FLD2");
  ASSERT_EQ(LiveInserts(t.s.drawing()).size(), 1u);
}

TEST(SaveAsSymbol, ACatalogueThatIsNotThereIsReported) {
  SymbolSession t("command 32887\ndialog ok Name=Lost\nanswer ok\n");
  const fs::path missing = t.catalog / "not" / "there";
  t.s.session().profile().SetString(kSettingsSection, kSymbolCatalogKey, missing.u16string());
  t.s.AddLine({20, 100}, {60, 100});
  t.s.Play();
  EXPECT_EQ(t.Messages(), std::vector<std::u16string>{u"Failed to save document."});
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(t.s.engine().CurrentCommandId(), 0);
}

}  // namespace
}  // namespace korvo
