// The small user-interface services: prompt line, command menus, command bar, button state.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/button_state.h"
#include "platform/command_bar.h"
#include "platform/command_menus.h"
#include "platform/message_queue.h"
#include "platform/prompt_line.h"

namespace korvo {
namespace {

TEST(PromptLine, ListenersHearEveryTextUntilRemoved) {
  PromptLine prompt;
  std::vector<std::u16string> heard;
  const std::size_t token =
      prompt.AddListener([&](std::u16string_view t) { heard.emplace_back(t); });
  // A listener that removes itself while being told must not upset the others.
  std::size_t once = 0;
  once = prompt.AddListener([&](std::u16string_view) { prompt.RemoveListener(once); });
  prompt.SetText(u"Start? <done>");
  prompt.SetText(u"Start? <done>");
  prompt.Clear();
  prompt.RemoveListener(token);
  prompt.SetText(u"unheard");
  EXPECT_EQ(heard, (std::vector<std::u16string>{u"Start? <done>", u"Start? <done>", u""}));
  EXPECT_EQ(prompt.Text(), u"unheard");
}

TEST(CommandMenus, StartsWithTheMainMenuBar) {
  CommandMenus menus;
  EXPECT_EQ(menus.Shown(), 128);
  int told = 0;
  menus.SetListener([&](int id) { told = id; });
  menus.Show(kPolylineMenuBar);
  EXPECT_EQ(menus.Shown(), 274);
  EXPECT_EQ(told, 274);
}

TEST(CommandBar, RecentNamesComeFirst) {
  CommandBar bar;
  bar.MoveToFront(u"draw_LINE");
  bar.MoveToFront(u"modify_MOVE");
  bar.MoveToFront(u"UNDO");
  ASSERT_TRUE(bar.SetChecked(u"DRAW_line", true));
  ASSERT_TRUE(bar.SetEnabled(u"modify_move", false));
  bar.MoveToFront(u"Draw_Line");  // already there: moved, keeping its spelling and states
  std::vector<std::u16string> names;
  for (const auto& entry : bar.Entries()) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"draw_LINE", u"UNDO", u"modify_MOVE"}));
  EXPECT_TRUE(bar.Entries()[0].checked);
  EXPECT_TRUE(bar.Entries()[1].enabled);
  EXPECT_FALSE(bar.Entries()[2].enabled);
  EXPECT_FALSE(bar.SetChecked(u"GRID", true));
  EXPECT_EQ(bar.Find(u"GRID"), nullptr);
  EXPECT_TRUE(bar.Remove(u"undo"));
  EXPECT_EQ(bar.Entries().size(), 2u);
}

TEST(ButtonState, PacksPressedAndUpdateIntoLParam) {
  struct Case {
    const char* name;
    bool pressed;
    bool update;
    uint32_t lParam;
  } cases[] = {
      {"released", false, false, 0x00000},
      {"pressed", true, false, 0x00001},
      {"released with update", false, true, 0x10000},
      {"pressed with update", true, true, 0x10001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PackButtonStateLParam(c.pressed, c.update), c.lParam);
    const ButtonState state = UnpackButtonState(32778, c.lParam);
    EXPECT_EQ(state.commandId, 32778u);
    EXPECT_EQ(state.pressed, c.pressed);
    EXPECT_EQ(state.update, c.update);
  }
  MessageQueue queue;
  EXPECT_EQ(queue.RegisterMessage(kButtonStateMessageName),
            queue.RegisterMessage(u"qpxCAD:g_SetTBBtnMsg"));
}

}  // namespace
}  // namespace korvo
