#include "commands/help_topics.h"

#include <gtest/gtest.h>

#include "commands/command_id.h"

namespace korvo {
namespace {

TEST(CommandHelpTopic, IsTheTableNameOrTheContents) {
  struct Case {
    const char* name;
    int id;
    std::u16string_view topic;
  } cases[] = {
      {"a plug-in command", CommandId::DrawLine, u"draw_LINE"},
      {"a host command", CommandId::Move, u"modify_MOVE"},
      {"a table dialog", CommandId::Layers, u"LAYERS"},
      {"no command runs", 0, u"Main_Contents"},
      {"an identifier the table lacks", CommandId::SaveAsSymbol, u"Main_Contents"},
      {"help itself has no name", CommandId::HelpCurrentCommand, u"Main_Contents"},
      {"two names for one identifier: the first row", CommandId::NestedCommandBar,
       u"NestedCommandBar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CommandHelpTopic(c.id), c.topic);
  }
}

TEST(PaletteEntryHelpTopic, FollowsTheMarker) {
  struct Case {
    const char* name;
    std::u16string_view entry;
    std::u16string_view topic;
  } cases[] = {
      {"a script is its own topic", u"@Gear wheel", u"Gear wheel"},
      {"a script named like a command is still a script", u"@draw_LINE", u"draw_LINE"},
      {"a lone at sign names no script", u"@", u""},
      {"a command by name", u"!draw_LINE", u"draw_LINE"},
      {"names compare without case; the table's spelling", u"!MODIFY_move", u"modify_MOVE"},
      {"a second name of an identifier gives the first", u"!ASSISTANT", u"NestedCommandBar"},
      {"an unknown name", u"!draw_SPIRAL", u"Main_Contents"},
      {"the first character is always the marker", u"draw_LINE", u"Main_Contents"},
      {"a marker alone", u"!", u"Main_Contents"},
      {"an empty entry", u"", u"Main_Contents"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PaletteEntryHelpTopic(c.entry), c.topic);
  }
}

}  // namespace
}  // namespace korvo
