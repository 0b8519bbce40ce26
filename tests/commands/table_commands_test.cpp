#include "commands/table_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "commands/command_id.h"
#include "core/line_entity.h"
#include "tests/commands/journal_harness.h"
#include "text/font_failure_report.h"
#include "text/font_files.h"

namespace korvo::testing {
namespace {

const std::filesystem::path kFonts = std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data" / "FONTS";

// The default view, layers WALLS (with a line on it) and DOORS, and text style TITLE.
void TwoLayers(Drawing& drawing) {
  JournalHarness::OneUnitAPixel(drawing);
  auto* walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
  drawing.layers.Add(walls);
  drawing.layers.Add(new Layer(u"DOORS", 2, &ContinuousLineType(), -3.0));
  auto* line = new LineEntity(10, 10, 90, 10, drawing.settings);
  line->layer = walls;
  drawing.entities.AddTail(line);
  drawing.textStyles.Add(new TextStyle(u"TITLE", u"SIMPLEX", 2.5, 1.0, 0, 0));
}

std::u16string CurrentLayerName(const Drawing& drawing) {
  return drawing.settings.currentLayer ? drawing.settings.currentLayer->name : u"";
}

std::u16string CurrentStyleName(const Drawing& drawing) {
  return drawing.settings.currentTextStyle ? drawing.settings.currentTextStyle->name : u"";
}

TEST(TableCommands, JournalsDriveTheDialogsToOneUndoableStep) {
  struct Case {
    const char* name;
    const char* journal;
    std::function<bool(const Drawing&)> changed;  // holds after the run, not after undo
    const char* transcript;
  } cases[] = {
      {"a new layer made current",
       "command LAYERS\nset Name=ROOF\nbutton New\nrow ROOF current\ndialog ok\n",
       [](const Drawing& d) { return CurrentLayerName(d) == u"ROOF"; }, ""},
      {"a layer frozen and locked by number",
       "command 32824\nrow walls 2\nrow WALLS 3\ndialog ok\n",
       [](const Drawing& d) { return d.layers.Find(u"WALLS")->flags == 5; }, ""},
      {"a layer renamed",
       "command LAYERS\nselect WALLS\nset Name=OUTER\nbutton Rename\ndialog ok\n",
       [](const Drawing& d) { return d.layers.Find(u"OUTER") != nullptr; }, ""},
      {"a layer deleted with its line", "command LAYERS\nrow WALLS delete\ndialog ok\n",
       [](const Drawing& d) { return d.layers.Find(u"WALLS") == nullptr && !HasEntities(d); }, ""},
      {"a layer restyled in the line type dialog",
       "command LAYERS\nrow DOORS linetype\ndialog ok Color=3 Lineweight=0.35\ndialog ok\n",
       [](const Drawing& d) {
         const Layer* doors = d.layers.Find(u"DOORS");
         return doors->colorIndex == 3 && doors->lineWeight == 0.35;
       },
       ""},
      {"a refused rename, answered, then OK",
       "command LAYERS\nselect WALLS\nset Name=doors\nbutton Rename\nanswer ok\nrow DOORS frozen\n"
       "dialog ok\n",
       [](const Drawing& d) { return d.layers.Find(u"DOORS")->IsFrozen(); },
       "message: Layer name \"doors\" is already in use.\n"},
      {"a new text style made current",
       "command STYLES\nset Style=NOTES Font=SIMPLEX Height=2 \"Oblique angle\"=15 "
       "\"Upside down\"=yes\nbutton New\ndialog ok\n",
       [](const Drawing& d) {
         const TextStyle* notes = d.textStyles.Find(u"NOTES");
         return notes != nullptr && CurrentStyleName(d) == u"NOTES" && notes->height == 2 &&
                notes->obliqueAngle == 0.2617993877991494 && notes->flags == 4;
       },
       ""},
      {"a style changed after switching to it",
       "command STYLES\nselect title\nset \"Width factor\"=0.5\nbutton \"Apply changes\"\ndialog "
       "ok\n",
       [](const Drawing& d) {
         return d.textStyles.Find(u"TITLE")->widthFactor == 0.5 && CurrentStyleName(d) == u"TITLE";
       },
       ""},
      {"unapplied edits applied at OK", "command STYLES\nset Height=4\ndialog ok\nanswer yes\n",
       [](const Drawing& d) { return d.textStyles.Find(u"STANDARD")->height == 4; },
       "message: Do you want to apply style changes?\n"},
      {"the current properties",
       "command LINE_TYPES\ndialog ok Linetype=continuous Color=3 Lineweight=0.35 "
       "\"Linetype scale\"=2\n",
       [](const Drawing& d) {
         const DrawingSettings& s = d.settings;
         return s.currentLineType == &ContinuousLineType() && s.currentColorIndex == 3 &&
                s.currentLineWeight == 0.35 && s.linetypeScale == 2;
       },
       ""},
      {"a scale of 0 refused, then a good one",
       "command LINE_TYPES\ndialog ok \"Linetype scale\"=0\nanswer ok\nbutton \"By block\"\n"
       "dialog ok \"Linetype scale\"=3 Lineweight=Default\n",
       [](const Drawing& d) {
         return d.settings.linetypeScale == 3 && d.settings.currentColorIndex == 0 &&
                d.settings.currentLineWeight == -3.0;
       },
       "message: Please enter a number between 1e-15 and 1.79769e+308.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScopedFontFolder fonts(kFonts);
    JournalHarness run(std::string(c.journal) + "command UNDO\n", TwoLayers);
    // Stop before the undo line to look at the confirmed drawing.
    const std::string head(c.journal);
    JournalHarness confirmed(head, TwoLayers);
    ASSERT_EQ(confirmed.Run().status, JournalStatus::Ran) << confirmed.outcome.message;
    EXPECT_TRUE(c.changed(confirmed.drawing()));
    EXPECT_EQ(confirmed.transcript.str(), c.transcript);
    EXPECT_FALSE(confirmed.drawing().undo.IsGroupOpen());
    ASSERT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_FALSE(c.changed(run.drawing())) << "undone";
  }
}

// DASHED is only in the program's line-type library: choosing it copies it into the drawing
// within the same step, so undo takes the copy out again and redo brings it back.
TEST(TableCommands, ALibraryLineTypeIsCopiedInAndUndoneWithTheStep) {
  struct Case {
    const char* journal;
    std::function<const LineType*(const Drawing&)> used;
  } cases[] = {
      {"command LINE_TYPES\ndialog ok Linetype=DASHED\n",
       [](const Drawing& d) { return d.settings.currentLineType; }},
      {"command LAYERS\nrow DOORS linetype\ndialog ok Linetype=DASHED\ndialog ok\n",
       [](const Drawing& d) { return d.layers.Find(u"DOORS")->lineType; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.journal);
    JournalHarness run(std::string(c.journal) + "command UNDO\n", TwoLayers);
    ASSERT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    Drawing& drawing = run.drawing();
    EXPECT_EQ(drawing.lineTypes.Find(u"DASHED"), nullptr) << "undone";
    ASSERT_NE(c.used(drawing), nullptr);
    EXPECT_NE(c.used(drawing)->name, u"DASHED");
    ASSERT_TRUE(drawing.undo.Redo());
    const LineType* dashed = drawing.lineTypes.Find(u"DASHED");
    ASSERT_NE(dashed, nullptr);
    EXPECT_EQ(c.used(drawing), dashed);
    EXPECT_EQ(dashed->pattern, (std::vector<double>{6, -3}));
  }
}

TEST(TableCommands, CancelChangesNothingAndRecordsNoStep) {
  const char* journals[] = {
      "command LAYERS\nrow WALLS delete\nset Name=ROOF\nbutton New\ndialog cancel\n",
      "command STYLES\nset Style=NOTES\nbutton New\ndialog cancel\n",
      "command LINE_TYPES\ndialog cancel Color=3\n",
      // A journal that ends with the dialog open cancels it.
      "command LAYERS\nrow WALLS delete\n",
  };
  for (const char* journal : journals) {
    SCOPED_TRACE(journal);
    JournalHarness run(journal, TwoLayers);
    ASSERT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    const Drawing& drawing = run.drawing();
    EXPECT_EQ(drawing.undo.Top(), 0);
    EXPECT_FALSE(drawing.IsModified());
    EXPECT_NE(drawing.layers.Find(u"WALLS"), nullptr);
    EXPECT_TRUE(HasEntities(drawing));
    EXPECT_EQ(drawing.textStyles.Find(u"NOTES"), nullptr);
    EXPECT_EQ(drawing.settings.currentColorIndex, 256);
  }
}

TEST(TableCommands, OnTheirOwnTheyAreRecentCommands) {
  JournalHarness run("command LAYERS\ndialog ok\ncommand STYLES\ndialog cancel\n", TwoLayers);
  ASSERT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  const auto& entries = run.session->commandBar().Entries();
  ASSERT_GE(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, u"STYLES");
  EXPECT_EQ(entries[1].name, u"LAYERS");
  EXPECT_FALSE(entries[0].checked);  // the button is released again
}

TEST(TableCommands, InsideAnotherCommandTheStepJoinsItsGroup) {
  JournalHarness run("command modify_MOVE\ncommand LAYERS\nset Name=ROOF\nbutton New\ndialog ok\n",
                     TwoLayers);
  ASSERT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  Drawing& drawing = run.drawing();
  ASSERT_NE(drawing.layers.Find(u"ROOF"), nullptr);
  EXPECT_EQ(run.session->commandBar().Find(u"LAYERS"), nullptr);
  // The move was stopped when the journal ended; its group held the new layer.
  EXPECT_FALSE(drawing.undo.IsGroupOpen());
  ASSERT_TRUE(drawing.undo.Undo());
  EXPECT_EQ(drawing.layers.Find(u"ROOF"), nullptr);
}

TEST(TableCommands, LinesTheDialogCannotTakeStopTheJournal) {
  struct Case {
    const char* name;
    const char* journal;
    std::size_t eventLine;
    const char* message;
  } cases[] = {
      {"no dialog open", "select WALLS\n", 1, "no layers, text styles or line type dialog is open"},
      {"a disabled button", "command LAYERS\nbutton New\n", 2, "the button New is disabled"},
      {"an unknown row", "command LAYERS\nselect ROOF\n", 2,
       "the dialog \"Drawing layers\" has no layer \"ROOF\""},
      {"an unknown column", "command LAYERS\nrow WALLS colour\n", 2,
       "the layers have no column \"colour\""},
      {"an unknown field", "command STYLES\nset Size=3\n", 2,
       "the dialog \"Text Styles\" has no field \"Size\""},
      {"a check box that is not yes or no", "command STYLES\nset Backwards=maybe\n", 2,
       "a check box takes yes or no, not \"maybe\""},
      {"a line type nobody has", "command LINE_TYPES\ndialog ok Linetype=WAVY\n", 2,
       "the dialog \"Line Type/Color/Weight\" offers no line type \"WAVY\""},
      {"another event", "command LAYERS\ntap 1 1\n", 2,
       "the dialog \"Drawing layers\" is open but not answered on this line"},
      {"a field by number", "command LAYERS\nset #1=ROOF\n", 2,
       "the dialog \"Drawing layers\" names its fields by label, not #N"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run(c.journal, TwoLayers);
    const JournalOutcome outcome = run.Run();
    EXPECT_EQ(outcome.status, JournalStatus::SyntaxError);
    EXPECT_EQ(outcome.line, JournalHarness::LineOfEvent(c.eventLine));
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(run.drawing().undo.Top(), 0);
  }
}

}  // namespace
}  // namespace korvo::testing
