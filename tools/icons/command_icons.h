#pragma once

#include <span>
#include <string_view>

#include "icon_canvas.h"

namespace korvo::icons {

// One command's button: its name in the command table, the item text a definition file
// keeps with it, and the little drawing of its icon.
struct CommandIcon {
  std::string_view name;
  std::string_view text;
  void (*draw)(IconCanvas& canvas);
};

// Every command with a button, in the order the command palette shows them.
std::span<const CommandIcon> CommandIcons();
const CommandIcon* FindCommandIcon(std::string_view name);

// The program's own icon.
void DrawApplicationIcon(IconCanvas& canvas);

}  // namespace korvo::icons
