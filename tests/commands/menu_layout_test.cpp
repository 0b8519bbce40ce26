#include "commands/menu_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/editor_session.h"
#include "commands/file_commands.h"
#include "platform/command_menus.h"
#include "platform/utf16.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_runner.h"

namespace korvo {
namespace {

std::set<int> MenuIds() {
  std::set<int> ids;
  for (const MenuDefinition& menu : MainMenus()) {
    for (const MenuEntry& entry : menu.entries) {
      if (entry.kind != MenuEntryKind::Separator) ids.insert(entry.id);
    }
  }
  for (const int bar : {kCommandMenuBar, kSelectionMenuBar, kPolylineMenuBar}) {
    for (const MenuEntry& entry : CommandMenuOptions(bar)) ids.insert(entry.id);
  }
  return ids;
}

// What the editor's own session handles: the host's commands, the file commands and the
// plug-in's.
TEST(MenuLayout, EveryCommandTheEditorRunsHasAnEntry) {
  EditorSession session;
  PluginHost host;
  RegisterPluginCommands(session.engine(), host);
  const std::set<int> inMenus = MenuIds();
  // Reached otherwise: a scripted command needs its name (the command bar gives it), and the
  // interactive zoom's two modes are switched inside that command.
  const std::set<int> elsewhere = {CommandId::RunScriptCommand, CommandId::ZoomIn,
                                   CommandId::ZoomOut};
  std::set<int> candidates = {CommandId::SelectWindow,  CommandId::SelectAll,
                              CommandId::DeselectAll,   CommandId::PolylineLines,
                              CommandId::PolylineClose, FileCommandId::Open,
                              FileCommandId::Save,      CommandId::SaveAsSymbol};
  for (const CommandRow& row : CommandTable::Rows()) candidates.insert(row.id);
  for (const int id : candidates) {
    if (!session.engine().HasHandler(id) || elsewhere.contains(id)) continue;
    SCOPED_TRACE(id);
    EXPECT_TRUE(inMenus.contains(id)) << Utf16ToUtf8(CommandTable::NameOf(id));
  }
  for (const int toggle : kModeToggleCommands) EXPECT_TRUE(inMenus.contains(toggle));
  EXPECT_TRUE(inMenus.contains(CommandId::Exit));
}

TEST(MenuLayout, ShortcutsAndMnemonicsDoNotClash) {
  std::map<std::string, std::u16string> shortcuts;
  for (const MenuDefinition& menu : MainMenus()) {
    std::map<char16_t, std::u16string> mnemonics;
    for (const MenuEntry& entry : menu.entries) {
      if (entry.kind == MenuEntryKind::Separator) continue;
      SCOPED_TRACE(Utf16ToUtf8(entry.text));
      const std::size_t amp = entry.text.find(u'&');
      ASSERT_NE(amp, std::u16string_view::npos) << "no mnemonic";
      ASSERT_LT(amp + 1, entry.text.size());
      char16_t key = entry.text[amp + 1];
      if (key >= u'a' && key <= u'z') key = static_cast<char16_t>(key - 32);
      EXPECT_TRUE(mnemonics.emplace(key, entry.text).second)
          << "mnemonic taken by " << Utf16ToUtf8(mnemonics[key]);
      if (entry.shortcut.empty()) continue;
      EXPECT_TRUE(shortcuts.emplace(std::string(entry.shortcut), entry.text).second)
          << "shortcut " << entry.shortcut << " taken by "
          << Utf16ToUtf8(shortcuts[std::string(entry.shortcut)]);
    }
  }
  EXPECT_EQ(shortcuts.at("Ctrl+Z"), u"&Undo");
  EXPECT_EQ(shortcuts.at("Del"), u"&Erase");
}

TEST(MenuLayout, CommandMenusOfferTheRunningCommandsOptions) {
  struct Case {
    const char* name;
    int bar;
    std::vector<std::pair<std::u16string, int>> entries;
  } cases[] = {
      {"any command", kCommandMenuBar, {{u"Dialog...", 32817}, {u"This is...", 32940}}},
      {"object selection",
       kSelectionMenuBar,
       {{u"Select All", 32911},
        {u"Delselect All", 32912},
        {u"Window", 32888},
        {u"This is...", 32940}}},
      {"polyline",
       kPolylineMenuBar,
       {{u"Line", 32913},
        {u"Arc by Center", 32914},
        {u"Tangential Arc", 32915},
        {u"Close", 32916},
        {u"Dialog...", 32817},
        {u"This is...", 32940}}},
      {"main menu bar: none", kMainMenuBar, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto options = CommandMenuOptions(c.bar);
    ASSERT_EQ(options.size(), c.entries.size());
    for (std::size_t i = 0; i < options.size(); ++i) {
      EXPECT_EQ(options[i].text, c.entries[i].first);
      EXPECT_EQ(options[i].id, c.entries[i].second);
    }
  }
}

TEST(MenuLayout, ModeEntriesFollowTheDrawing) {
  DrawingSettings settings;
  settings.gridOn = 0;
  settings.orthoSnap = 1;
  settings.gridSnap = 0;
  settings.objectSnap = 1;
  settings.intersectionSnap = 0;
  EXPECT_FALSE(IsModeOn(settings, CommandId::Grid));
  EXPECT_TRUE(IsModeOn(settings, CommandId::OrthoSnap));
  EXPECT_FALSE(IsModeOn(settings, CommandId::GridSnap));
  EXPECT_TRUE(IsModeOn(settings, CommandId::ObjectSnap));
  EXPECT_FALSE(IsModeOn(settings, CommandId::IntersectionSnap));
  EXPECT_FALSE(IsModeOn(settings, CommandId::Move));
  EXPECT_TRUE(IsModeToggle(CommandId::IntersectionSnap));
  EXPECT_FALSE(IsModeToggle(CommandId::ZoomAll));
}

}  // namespace
}  // namespace korvo
