// LINE as the user runs it from the menu: journals against a small drawing.
#include <gtest/gtest.h>

#include "core/layer.h"
#include "tests/plugin/commandset/draw_journal.h"

namespace korvo::testing {
namespace {

TEST(LineCommand, Chains) {
  const DrawCase cases[] = {
      {"Enter at the closing prompt closes the chain and starts a new one",
       "command draw_LINE\n"
       "expect-prompt \"Start? <done>\"\ntap 10 10\n"
       "expect-prompt \"End?\"\npress 30 30\nmove 50 10\nrelease 50 10\n"
       "expect-prompt \"End?\"\npress 20 60\nmove 50 50\nrelease 50 50\n"
       "expect-prompt \"End? <10,10 to close>\"\nkey Enter\n"
       "expect-prompt \"Start? <done>\"\nkey Enter\n"
       "expect-prompt \"\"\n",
       {"line 10,10 50,10", "line 50,10 50,50", "line 50,50 10,10"}},
      {"a double tap asks; No keeps the chain, Yes makes the zero-length line",
       "command draw_LINE\ntap 10 10\n"
       "tap 10 10\nanswer no\nexpect-message \"Do you really want to create zero length line?\"\n"
       "expect-prompt \"End?\"\ntap 40 10\n"
       "tap 40 10\nanswer yes\n"
       "expect-prompt \"End? <10,10 to close>\"\ntap 40 40\n" KORVO_ESC,
       {"line 10,10 40,10", "line 40,10 40,10", "line 40,10 40,40"},
       {kZeroLength, kZeroLength}},
      {"Cancel in the zero-length question ends the command",
       "command draw_LINE\ntap 10 10\ntap 30 10\ntap 30 10\nanswer cancel\nexpect-prompt \"\"\n",
       {"line 10,10 30,10"},
       {kZeroLength}},
      {"back at the start after one segment, the closing prompt waits for two more",
       "command draw_LINE\ntap 10 10\ntap 40 10\ntap 10 10\n"
       "expect-prompt \"End?\"\ntap 40 40\n"
       "expect-prompt \"End?\"\ntap 10 40\n"
       "expect-prompt \"End? <10,10 to close>\"\ntap 10 10\n"
       "expect-prompt \"Start? <done>\"\n",
       {"line 10,10 40,10", "line 40,10 10,10", "line 10,10 40,40", "line 40,40 10,40",
        "line 10,40 10,10"}},
      {"Enter at the end question without a default does nothing",
       "command draw_LINE\ntap 10 10\nkey Enter\nexpect-prompt \"End?\"\ntap 20 30\n",
       {"line 10,10 20,30"}},
      {"Esc while the preview shows leaves no trace",
       "command draw_LINE\ntap 10 10\npress 60 60\nmove 80 30\n" KORVO_ESC "expect-prompt \"\"\n",
       {}},
      {"a second chain starts where the user taps",
       "command draw_LINE\ntap 10 10\ntap 20 10\nkey Enter\n" KORVO_ESC
       "command draw_LINE\ntap 30 30\ntap 30 60\n",
       {"line 10,10 20,10", "line 30,30 30,60"}},
  };
  // The last row runs the command twice: two undo steps.
  for (std::size_t i = 0; i + 1 < std::size(cases); ++i) PlayDrawCase(cases[i]);

  PluginSession s(cases[std::size(cases) - 1].journal);
  s.drawing().undo.SetLevels(2);
  s.Play();
  EXPECT_EQ(Shapes(s.drawing()), cases[std::size(cases) - 1].shapes);
  EXPECT_EQ(s.drawing().undo.Top(), 2);
  ASSERT_TRUE(s.drawing().undo.Undo());
  EXPECT_EQ(Shapes(s.drawing()), std::vector<std::string>{"line 10,10 20,10"});
}

TEST(LineCommand, ALowerCaseNameRunsTheSameCommand) {
  PluginSession s("command 1000\nexpect-prompt \"Start? <done>\"\ntap 10 10\ntap 30 20\n");
  s.AddModuleCommand(PluginSession::kProbe, std::string(kCommandSetModule), u"line");
  s.Play();
  EXPECT_EQ(Shapes(s.drawing()), std::vector<std::string>{"line 10,10 30,20"});
}

TEST(LineCommand, LinesTakeTheCurrentProperties) {
  PluginSession s("command draw_LINE\ntap 10 10\ntap 30 20\n");
  Layer* walls = s.AddLayer(u"WALLS");
  DrawingSettings& settings = s.drawing().settings;
  settings.currentLayer = walls;
  settings.currentColorIndex = 3;
  settings.currentLineWeight = 0.5;
  s.Play();
  ASSERT_EQ(s.drawing().entities.size(), 1u);
  const Entity& line = **s.drawing().entities.begin();
  EXPECT_EQ(line.layer, walls);
  EXPECT_EQ(line.colorIndex, 3);
  EXPECT_EQ(line.lineWeight, 0.5);
  EXPECT_EQ(line.lineType, settings.currentLineType);
}

}  // namespace
}  // namespace korvo::testing
