#include "commands/command_table.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/utf16.h"

namespace korvo {
namespace {

TEST(CommandTable, NameToIdentifier) {
  struct Case {
    const char* name;
    std::u16string_view command;
    int id;
  } cases[] = {
      {"exact name", u"draw_LINE", 32778},
      {"lower case finds the row", u"draw_donut", 32881},
      {"upper case finds the row", u"MODIFY_MOVE", 32814},
      {"lower-case row, upper-case question", u"NEW", 57600},
      {"the second name of a shared identifier", u"assistant", 32897},
      {"the last row", u"REDO", 57644},
      {"unknown name", u"draw_HELIX", 0},
      {"empty name", u"", 0},
      {"a prefix is not a match", u"draw_LIN", 0},
      {"the bar's editing entry has no row", u"modify_ARRAYRECT", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CommandTable::IdOf(c.command), c.id);
  }
}

TEST(CommandTable, IdentifierToName) {
  struct Case {
    const char* name;
    int id;
    std::u16string_view command;
  } cases[] = {
      {"shared identifier gives the first row", 32897, u"NestedCommandBar"},
      {"duplicated row", 32881, u"draw_DONUT"},
      {"first row", 32826, u"CMDPALETTE"},
      {"plug-in command", 32904, u"draw_ARCANG"},
      {"identifier handled without a row", 32819, u"<nocomand>"},
      {"OK has no row", 1, u"<nocomand>"},
      {"zero", 0, u"<nocomand>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CommandTable::NameOf(c.id), c.command);
  }
}

TEST(CommandTable, RowsKeepTheirOrderAndCount) {
  const auto rows = CommandTable::Rows();
  ASSERT_EQ(rows.size(), 69u);
  EXPECT_EQ(rows[0].name, u"CMDPALETTE");
  EXPECT_EQ(rows[32].name, u"draw_DONUT");
  EXPECT_EQ(rows[33].name, u"draw_DONUT");
  EXPECT_EQ(rows[33].id, 32881);
  EXPECT_EQ(rows[54].name, u"tool_PEDIT");
  EXPECT_EQ(rows[54].id, 32909);
  EXPECT_EQ(rows[68].name, u"ASSISTANT");
  // No name is shadowed by an earlier row with another identifier.
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(CommandTable::IdOf(rows[i].name), rows[i].id);
  }
}

TEST(CommandTable, InterruptingCommands) {
  const std::set<int> interrupting = {
      57600, 32778, 32854, 32785, 32789, 32788, 32784, 32904, 32786, 32814, 32867, 32868, 32792,
      32902, 32898, 57604, 32791, 32793, 32790, 32815, 32828, 32827, 32829, 32833, 32832, 32836,
      32837, 32838, 32840, 32781, 32875, 32866, 32876, 32878, 32879, 32861, 57643, 57644, 32906,
      32922, 32918, 32908, 32907, 32917, 32919, 32900, 32899, 32920, 32877, 32909, 32921};
  ASSERT_EQ(interrupting.size(), 51u);
  // Every table identifier and every row-less one the view handles.
  std::set<int> known = {32879, 32819, 32888, 32911, 32912, 32913, 32914,
                         32915, 32916, 32887, 32922, 1,     57665, 32877};
  for (const CommandRow& row : CommandTable::Rows()) known.insert(row.id);
  for (int id : interrupting) known.insert(id);
  for (int id : known) {
    SCOPED_TRACE(id);
    EXPECT_EQ(IsInterruptingCommand(id), interrupting.count(id) == 1);
  }
}

TEST(CommandTable, TransparentCommandsDoNotInterrupt) {
  struct Case {
    const char* name;
    int id;
  } cases[] = {{"grid", 32776},         {"ortho", 32901},      {"zoom all", 32783},
               {"zoom in once", 32895}, {"donut", 32881},      {"polygon", 32925},
               {"DXF export", 32882},   {"select all", 32911}, {"polyline close", 32916},
               {"enter default", 32818}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(IsInterruptingCommand(c.id));
  }
}

TEST(CommandTable, CommandBarRecording) {
  for (int id : {57600, 57604, 57643, 57644, 32887, 32826, 32861, 32875, 32877, 32878, 32879}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(IsNeverRecordedCommand(id));
  }
  for (int id : {32778, 32814, 32776, 32876, 32880, 32922}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(IsNeverRecordedCommand(id));
  }
  EXPECT_TRUE(IsAlwaysKeptCommandName(u"UNDO"));
  EXPECT_TRUE(IsAlwaysKeptCommandName(u"REDO"));
  EXPECT_FALSE(IsAlwaysKeptCommandName(u"draw_LINE"));
}

TEST(CommandTable, EditingCommandsNeedEntities) {
  const std::set<int> editing = {32815, 32866, 32917, 32908, 32907, 32921, 32836, 32837,
                                 32790, 32840, 32876, 32814, 32828, 32829, 32918, 32909};
  for (const CommandRow& row : CommandTable::Rows()) {
    SCOPED_TRACE(Utf16ToUtf8(row.name));
    EXPECT_EQ(IsEditingCommand(row.id), editing.count(row.id) == 1);
  }
  const auto names = EditingCommandBarNames();
  ASSERT_EQ(names.size(), 15u);
  EXPECT_EQ(names.front(), u"modify_SCALE");
  EXPECT_EQ(names.back(), u"modify_ARRAYRECT");
}

TEST(CommandTable, ModeToggles) {
  EXPECT_EQ(std::set<int>(kModeToggleCommands.begin(), kModeToggleCommands.end()),
            (std::set<int>{32776, 32901, 32777, 32822, 32823}));
  for (int id : kModeToggleCommands) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(IsInterruptingCommand(id));
    EXPECT_NE(CommandTable::NameOf(id), CommandTable::kNoCommandName);
  }
}

}  // namespace
}  // namespace korvo
