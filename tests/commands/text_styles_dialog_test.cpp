#include "commands/text_styles_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "core/drawing.h"
#include "platform/message_box.h"
#include "tests/core/drawing_state.h"
#include "tests/support/scratch_folder.h"
#include "text/font_failure_report.h"
#include "text/font_files.h"

namespace korvo {
namespace {

using testing::DrawingState;
using testing::StateOf;

const std::filesystem::path kFonts = std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data" / "FONTS";

// STANDARD (current) and TITLE; the fonts of the program's folder.
struct Scene {
  Scene() : fonts(kFonts) {
    ResetFontFailureReports();
    drawing.New();
    title = new TextStyle(u"TITLE", u"SIMPLEX", 2.5, 0.8, 0, 0);
    drawing.textStyles.Add(title);
  }
  ~Scene() { ResetFontFailureReports(); }
  TextStylesDialogModel Model(std::vector<std::u16string> names = {u"SIMPLEX", u"TXT"}) {
    return TextStylesDialogModel(drawing, messages, std::move(names));
  }
  std::size_t IndexOf(const TextStylesDialogModel& model, std::u16string_view name) {
    const auto index = model.FindStyle(name);
    EXPECT_TRUE(index.has_value());
    return index.value_or(0);
  }

  ScopedFontFolder fonts;
  Drawing drawing;
  TextStyle* title;
  RecordingMessageBox messages;
};

TEST(TextStylesDialog, OpensOnTheCurrentStyle) {
  Scene scene;
  scene.title->obliqueAngle = 0.2617993877991494;
  scene.title->flags = TextStyle::kUpsideDown;
  scene.drawing.settings.currentTextStyle = scene.title;
  const TextStylesDialogModel model = scene.Model();
  const TextStyleFields& fields = model.Fields();
  EXPECT_EQ(fields.name, u"TITLE");
  EXPECT_EQ(fields.font, u"SIMPLEX");
  EXPECT_EQ(fields.height, u"2.5");
  EXPECT_EQ(fields.widthFactor, u"0.8");
  EXPECT_EQ(fields.obliqueDegrees, u"15");
  EXPECT_TRUE(fields.upsideDown);
  EXPECT_FALSE(fields.backwards);
  EXPECT_FALSE(model.CanApply());
  EXPECT_FALSE(model.CanNew());
}

TEST(TextStylesDialog, TheFontShowsUpToItsFirstPoint) {
  Scene scene;
  scene.title->font = FontRef(u"SIMPLEX.kcdfnt");
  scene.drawing.settings.currentTextStyle = scene.title;
  EXPECT_EQ(scene.Model().Fields().font, u"SIMPLEX");
}

TEST(TextStylesDialog, AnObliqueAngleInDegreesIsStoredInRadians) {
  Scene scene;
  TextStylesDialogModel model = scene.Model();
  model.SetField(TextStyleField::ObliqueAngle, u"15");
  ASSERT_TRUE(model.Apply());
  ASSERT_TRUE(model.Accept());
  model.Confirm();
  EXPECT_EQ(scene.drawing.textStyles.Find(u"STANDARD")->obliqueAngle, 0.2617993877991494);
}

TEST(TextStylesDialog, NamesAreCheckedWhenAStyleIsMade) {
  struct Case {
    const char* name;
    std::u16string styleName;
    std::u16string font;
    std::vector<std::u16string> messages;
  } cases[] = {
      {"a name in other letters",
       u"standard",
       u"TXT",
       {u"Style name \"standard\" is already in use."}},
      {"no name", u"", u"TXT", {u"Please enter name of style."}},
      {"no font", u"NOTES", u"", {u"Please enter name of font."}},
      {"only blanks", u"  ", u"TXT", {u"A name of only blanks cannot be used."}},
      {"a character a file cannot carry",
       u"A;B",
       u"TXT",
       {u"A name cannot hold control characters or any of < > / \\ \" : ; ? * | = `"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    TextStylesDialogModel model = scene.Model();
    model.SetField(TextStyleField::Name, c.styleName);
    model.SetField(TextStyleField::Font, c.font);
    EXPECT_FALSE(model.New());
    EXPECT_EQ(model.StyleCount(), 2u);
    EXPECT_EQ(scene.messages.Texts(), c.messages);
    EXPECT_TRUE(model.CanNew());  // the edits are still there to correct
  }
}

TEST(TextStylesDialog, NumbersThatDoNotReadAreRefused) {
  struct Case {
    const char* name;
    TextStyleField field;
    std::u16string text;
    std::u16string message;
  } cases[] = {
      {"height", TextStyleField::Height, u"tall", u"Please enter a number."},
      {"negative height", TextStyleField::Height, u"-1",
       u"Please enter a number between 0 and 1.79769313486232e+308."},
      {"width factor of 0", TextStyleField::WidthFactor, u"0",
       u"Please enter a number between 1e-15 and 1.79769313486232e+308."},
      {"oblique angle", TextStyleField::ObliqueAngle, u"15x", u"Please enter a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    TextStylesDialogModel model = scene.Model();
    model.SetField(c.field, c.text);
    EXPECT_FALSE(model.Apply());
    EXPECT_EQ(scene.messages.Texts(), std::vector<std::u16string>{c.message});
  }
}

TEST(TextStylesDialog, SwitchingWithUnappliedEditsAsks) {
  struct Case {
    const char* name;
    MessageAnswer answer;
    bool switched;
    const char16_t* selected;
    double standardHeight;  // of the working copy afterwards
    const char16_t* heightShown;
  } cases[] = {
      {"cancel keeps the edits on screen", MessageAnswer::Cancel, false, u"STANDARD", 0, u"7"},
      {"yes applies them first", MessageAnswer::Yes, true, u"TITLE", 7, u"2.5"},
      {"no drops them", MessageAnswer::No, true, u"TITLE", 0, u"2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    scene.messages.QueueAnswer(c.answer);
    TextStylesDialogModel model = scene.Model();
    model.SetField(TextStyleField::Height, u"7");
    EXPECT_EQ(model.SelectStyle(scene.IndexOf(model, u"TITLE")), c.switched);
    ASSERT_EQ(scene.messages.Messages().size(), 1u);
    EXPECT_EQ(scene.messages.Messages()[0].text, u"Do you want to apply style changes?");
    EXPECT_EQ(scene.messages.Messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(model.Style(*model.SelectedStyle()).name, c.selected);
    EXPECT_EQ(model.Style(scene.IndexOf(model, u"STANDARD")).height, c.standardHeight);
    EXPECT_EQ(model.Fields().height, c.heightShown);
  }
}

TEST(TextStylesDialog, SwitchingWithoutEditsDoesNotAsk) {
  Scene scene;
  TextStylesDialogModel model = scene.Model();
  ASSERT_TRUE(model.SelectStyle(scene.IndexOf(model, u"TITLE")));
  EXPECT_TRUE(scene.messages.Messages().empty());
  EXPECT_EQ(model.Fields().font, u"SIMPLEX");
}

TEST(TextStylesDialog, ANewStyleAndARenameAreOneStep) {
  Scene scene;
  const DrawingState before = StateOf(scene.drawing);
  TextStyle* standard = scene.drawing.textStyles.Find(u"STANDARD");

  TextStylesDialogModel model = scene.Model();
  model.SetField(TextStyleField::Name, u"NOTES");
  model.SetField(TextStyleField::Font, u"SIMPLEX");
  model.SetField(TextStyleField::Height, u"3.5");
  model.SetField(TextStyleField::WidthFactor, u"0.75");
  model.SetBackwards(true);
  ASSERT_TRUE(model.New());
  EXPECT_FALSE(model.CanApply());
  EXPECT_FALSE(model.CanNew());
  ASSERT_TRUE(model.SelectStyle(scene.IndexOf(model, u"TITLE")));
  model.SetField(TextStyleField::Name, u"HEADING");
  ASSERT_TRUE(model.Apply());
  ASSERT_TRUE(model.SelectStyle(scene.IndexOf(model, u"NOTES")));
  ASSERT_TRUE(model.Accept());
  model.Confirm();
  scene.drawing.undo.EndUndoGroup();
  const DrawingState after = StateOf(scene.drawing);

  TextStyle* notes = scene.drawing.textStyles.Find(u"NOTES");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(notes->FontName(), u"SIMPLEX");
  EXPECT_EQ(notes->height, 3.5);
  EXPECT_EQ(notes->widthFactor, 0.75);
  EXPECT_EQ(notes->flags, TextStyle::kBackwards);
  EXPECT_EQ(scene.drawing.settings.currentTextStyle, notes);
  EXPECT_EQ(scene.drawing.textStyles.Find(u"HEADING"), scene.title);
  EXPECT_EQ(scene.drawing.textStyles.Find(u"TITLE"), nullptr);
  EXPECT_EQ(scene.drawing.textStyles.Find(u"STANDARD"), standard);

  ASSERT_TRUE(scene.drawing.undo.Undo());
  EXPECT_TRUE(StateOf(scene.drawing) == before);
  ASSERT_TRUE(scene.drawing.undo.Redo());
  EXPECT_TRUE(StateOf(scene.drawing) == after);
}

TEST(TextStylesDialog, OkAsksAboutUnappliedEdits) {
  Scene scene;
  scene.messages.QueueAnswer(MessageAnswer::Cancel);
  scene.messages.QueueAnswer(MessageAnswer::Yes);
  TextStylesDialogModel model = scene.Model();
  model.SetField(TextStyleField::Height, u"4");
  EXPECT_FALSE(model.Accept());
  ASSERT_TRUE(model.Accept());
  model.Confirm();
  EXPECT_EQ(scene.drawing.textStyles.Find(u"STANDARD")->height, 4);
}

TEST(TextStylesDialog, AFontThatFailsIsReportedOnceAndTheDialogGoesOn) {
  Scene scene;
  TextStylesDialogModel model = scene.Model({u"MISSING", u"TXT"});
  model.SetField(TextStyleField::Font, u"MISSING");
  model.SetField(TextStyleField::Font, u"TXT");
  model.SetField(TextStyleField::Font, u"MISSING");
  EXPECT_EQ(scene.messages.Texts(),
            std::vector<std::u16string>{u"Loading font failure!\nFonts:\n\tMISSING\n"});
  model.SetField(TextStyleField::Name, u"BROKEN");
  EXPECT_TRUE(model.New());
}

TEST(TextStylesDialog, ListsTheFontFilesByName) {
  testing::ScratchFolder folder;
  for (const char* name : {"simplex.kcdfnt", "TXT.kcdfnt", "Greek.KCDFNT", "notes.txt", ".kcdfnt"})
    std::ofstream(folder / name) << "x";
  std::filesystem::create_directory(folder / "DIR.kcdfnt");
  EXPECT_EQ(ListFontNames(folder.path()),
            (std::vector<std::u16string>{u"Greek", u"simplex", u"TXT"}));
  EXPECT_TRUE(ListFontNames(folder / "absent").empty());
}

}  // namespace
}  // namespace korvo
