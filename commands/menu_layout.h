#pragma once

#include <span>
#include <string_view>

namespace korvo {

struct DrawingSettings;

enum class MenuEntryKind { Command, Toggle, Separator };

// One item of a menu: its text (with '&' before the mnemonic), the command it posts and a
// shortcut in the usual "Ctrl+N" spelling (empty for none).
struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Command;
  std::u16string_view text;
  int id = 0;
  std::string_view shortcut;
};

// Which part of the menu bar a menu belongs to: the command part is replaced by "Stop" and
// "Options" while a command runs; the rest stays.
enum class MenuPart { Always, Commands };

struct MenuDefinition {
  std::u16string_view title;
  MenuPart part;
  std::span<const MenuEntry> entries;
};

// The main menu bar, left to right. Entries whose command has no handler in a session are
// left out by the shell that shows them.
std::span<const MenuDefinition> MainMenus();

// The "Options" entries of a command menu bar (246, 248 or 274); empty for any other id.
std::span<const MenuEntry> CommandMenuOptions(int menuBar);

// The five mode toggles and whether the drawing has a mode switched on: what their entries
// and buttons show.
bool IsModeToggle(int id);
bool IsModeOn(const DrawingSettings& settings, int id);

inline constexpr std::u16string_view kStopMenuText = u"Stop";
inline constexpr std::u16string_view kOptionsMenuTitle = u"Options";

}  // namespace korvo
