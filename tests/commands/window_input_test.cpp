#include "commands/window_input.h"

#include <gtest/gtest.h>

#include <optional>

#include "commands/command_engine.h"
#include "commands/string_table.h"
#include "platform/command_menus.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;

TEST(GetWindow, AnswersCornersSingleOrCancel) {
  struct Case {
    const char* name;
    const char* journal;
    WindowDefault allow;
    WindowResult result;
  } cases[] = {
      {"two corners", "tap 10 20\npress 50 60\ncommand 1001\nmove 70 30\nrelease 70 30\n",
       WindowDefault::Allowed, WindowResult::Corners},
      {"default at the first corner", "default\n", WindowDefault::Allowed, WindowResult::Single},
      {"default at the second corner", "tap 10 20\npress 50 60\ncommand 1001\ndefault\n",
       WindowDefault::Allowed, WindowResult::Single},
      {"default refused at the first corner", "default\ncommand 32819\n", WindowDefault::Refused,
       WindowResult::Cancel},
      {"default refused at the second corner",
       "tap 10 20\npress 50 60\ncommand 1001\ndefault\nmove 70 30\nrelease 70 30\n",
       WindowDefault::Refused, WindowResult::Corners},
      {"OK at the first corner", "command 1\n", WindowDefault::Allowed, WindowResult::Cancel},
      {"OK at the second corner", "tap 10 20\npress 50 60\ncommand 1001\ncommand 1\n",
       WindowDefault::Allowed, WindowResult::Cancel},
      {"stop at the second corner", "tap 10 20\npress 50 60\ncommand 1001\ncommand 32819\n",
       WindowDefault::Allowed, WindowResult::Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command 1000\nexpect-prompt \"First corner? <single>\"\n") +
                     c.journal);
    s.AddLine({20, 100}, {180, 100});
    std::optional<WindowResult> result;
    Point corner1, corner2;
    Bitmap before(0, 0), during(0, 0), after(0, 0);
    s.AddProbe(JournalSession::kProbe, [&](CommandEngine& engine) {
      engine.BeginCommand(JournalSession::kProbe, kSelectionMenuBar);
      before = engine.view().window();
      const WindowPrompts prompts{
          StringId::WindowFirstCornerPrompt, StringId::WindowFirstCornerDescription,
          StringId::WindowOppositeCornerPrompt, StringId::WindowOppositeCornerDescription};
      result = GetWindow(engine, prompts, c.allow, corner1, corner2);
      after = engine.view().window();
      engine.EndCommand();
    });
    bool secondPrompt = false;
    s.AddProbe(1001, [&](CommandEngine& engine) {
      during = engine.view().window();
      secondPrompt = engine.PromptId() == StringId::WindowOppositeCornerPrompt;
    });
    s.Play();
    EXPECT_EQ(result, c.result);
    if (c.result == WindowResult::Corners) {
      EXPECT_EQ(corner1, Point(10, 20));
      EXPECT_EQ(corner2, Point(70, 30));
    }
    // The rubber rectangle showed while the second corner was sought, and went.
    if (during.width() > 0) {
      EXPECT_TRUE(secondPrompt);
      EXPECT_NE(during, before);
    }
    EXPECT_EQ(after, before);
  }
}

}  // namespace
}  // namespace korvo
