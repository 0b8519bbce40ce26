#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "geometry/geometry.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;

std::vector<TextEntity*> LiveTexts(Drawing& drawing) {
  std::vector<TextEntity*> found;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsText() != nullptr) found.push_back(entity->AsText());
  return found;
}

TEST(TextCommand, StartHeightAndAnglePointsPlaceTheDefinedText) {
  struct Case {
    const char* name;
    const char* journal;
    const char16_t* content;
    Point start;
    double height;
    double rotation;
    double widthFactor;
    double oblique;
    uint8_t alignment;
    const char16_t* style;
  } cases[] = {
      {"a height of 2.5 from the start point, the angle towards a point",
       "dialog ok Text=Hello\nexpect-prompt \"Start? <no more>\"\ntap 20 20\n"
       "expect-prompt \"Height?\"\nvalue 2.5\nexpect-prompt \"Angle? <0>\"\ntap 40 40\n",
       u"Hello",
       {20, 20},
       2.5,
       kPi / 4,
       1,
       0,
       0,
       u"STANDARD"},
      {"the dialog's height and rotation are the defaults",
       "dialog ok Text=\"Two words\" Height=3 Rotation=90 \"Width factor\"=0.5 Obliquing=10 "
       "Justification=Right\nexpect-prompt \"Start? <no more>\"\ntap 50 60\n"
       "expect-prompt \"Height? <3>\"\ndefault\nexpect-prompt \"Angle? <90>\"\ndefault\n",
       u"Two words",
       {50, 60},
       3,
       kPi / 2,
       0.5,
       10 * kPi / 180,
       2,
       u"STANDARD"},
      {"a style of fixed height offers its height",
       "dialog ok Text=A Style=FIXED Height=3\nexpect-prompt \"Start? <no more>\"\ntap 5 5\n"
       "expect-prompt \"Height? <4>\"\ndefault\ndefault\n",
       u"A",
       {5, 5},
       4,
       0,
       1,
       0,
       0,
       u"FIXED"},
      {"a text of nothing or of blanks is asked again",
       "dialog ok\nanswer ok\n"
       "dialog ok Text=\"   \"\nanswer ok\ndialog ok Text=C\ntap 5 5\nvalue 2\ndefault\n",
       u"C",
       {5, 5},
       2,
       0,
       1,
       0,
       0,
       u"STANDARD"},
      {"a height of nothing is asked again",
       "dialog ok Text=B\ntap 5 5\ntap 5 5\nexpect-prompt \"Height?\"\ntap 5 7\ndefault\n",
       u"B",
       {5, 5},
       2,
       0,
       1,
       0,
       0,
       u"STANDARD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_TEXT\n") + c.journal +
                     "expect-prompt \"Start? <no more>\"\ncommand 32819\n");
    s.drawing().textStyles.Add(new TextStyle(u"FIXED", u"", 4, 1, 0, 0));
    s.Play();
    const std::vector<TextEntity*> texts = LiveTexts(s.drawing());
    ASSERT_EQ(texts.size(), 1u);
    const TextEntity& text = *texts[0];
    EXPECT_EQ(text.content, c.content);
    ExpectPointNear(text.insertionPoint, c.start, 1e-9);
    EXPECT_NEAR(text.height, c.height, 1e-9);
    EXPECT_NEAR(text.rotation, c.rotation, 1e-9);
    EXPECT_NEAR(text.widthFactor, c.widthFactor, 1e-9);
    EXPECT_NEAR(text.obliqueAngle, c.oblique, 1e-9);
    EXPECT_EQ(text.horizontalAlignment, c.alignment);
    ASSERT_NE(text.style, nullptr);
    EXPECT_EQ(text.style->name, c.style);
    EXPECT_EQ(text.layer, s.drawing().settings.currentLayer);
  }
}

TEST(TextCommand, AnEmptyTextIsRefusedWithAMessage) {
  JournalSession s("command draw_TEXT\ndialog ok Text=\"\"\nanswer ok\ndialog cancel\n");
  s.Play();
  EXPECT_TRUE(LiveTexts(s.drawing()).empty());
  std::vector<std::u16string> shown;
  for (const auto& message : s.player().messageBox().Messages()) shown.push_back(message.text);
  EXPECT_EQ(shown, std::vector<std::u16string>{u"Please enter the text."});
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

TEST(TextCommand, NoMoreShowsTheDialogAgainAndItsCancelEndsTheCommand) {
  JournalSession s(
      "command draw_TEXT\ndialog ok Text=First\ntap 10 10\ntap 10 12\ndefault\n"
      "default\ndialog ok Text=Second\ntap 10 30\ntap 10 32\ndefault\n"
      "default\ndialog cancel\ncommand 1001\ncommand UNDO\n");
  int commandAfterCancel = -1;
  std::size_t textsAfterCancel = 0;
  s.AddProbe(1001, [&](CommandEngine& e) {
    commandAfterCancel = e.CurrentCommandId();
    textsAfterCancel = LiveTexts(e.drawing()).size();
  });
  s.Play();
  EXPECT_EQ(commandAfterCancel, 0);
  EXPECT_EQ(textsAfterCancel, 2u);
  // Both texts belong to the command's one undo step.
  EXPECT_TRUE(LiveTexts(s.drawing()).empty());
}

TEST(TextCommand, CancelAnywhereAddsNothingAndLeavesTheWindowAsItWas) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"the dialog", "dialog cancel\n"},
      {"at the start", "dialog ok Text=X\ncommand 32819\n"},
      {"at the height", "dialog ok Text=X\ntap 20 20\npress 20 40\nmove 20 50\ncommand 32819\n"},
      {"at the angle",
       "dialog ok Text=X\ntap 20 20\ntap 20 30\npress 60 60\nmove 70 80\ncommand 32819\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_TEXT\n") + c.journal);
    s.Play();
    EXPECT_TRUE(LiveTexts(s.drawing()).empty());
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_TRUE(s.session().view().window() == s.windowBefore());
  }
}

}  // namespace
}  // namespace korvo
