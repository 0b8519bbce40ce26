#pragma once

#include <array>
#include <span>
#include <string_view>

#include "commands/command_id.h"

namespace korvo {

// One row of the command table: the name scripts, the palette and the command bar use, and
// the identifier the view dispatches on.
struct CommandRow {
  std::u16string_view name;
  int id;
};

// The fixed table of named commands, searched linearly in row order. Two rows share a name
// ("draw_DONUT") and two share an identifier (32897: "NestedCommandBar" and "ASSISTANT"); a
// search takes the first match, so the later row of each pair is never found.
class CommandTable {
 public:
  CommandTable() = delete;

  static std::span<const CommandRow> Rows();
  // Case-insensitive; the first matching row; 0 when no row has the name.
  static int IdOf(std::u16string_view name);
  // The first row with the identifier; kNoCommandName when there is none.
  static std::u16string_view NameOf(int id);

  // The name of an identifier without a row. The spelling is the system's.
  static constexpr std::u16string_view kNoCommandName = u"<nocomand>";
};

// Whether starting `id` while a host command runs cancels that command first (Stop is posted,
// then the command again). Every other identifier runs nested inside the running command.
bool IsInterruptingCommand(int id);
inline constexpr int kInterruptingCommandCount = 51;

// Identifiers whose names the command bar never records.
bool IsNeverRecordedCommand(int id);
// Names the command bar always keeps, whatever was recorded since.
bool IsAlwaysKeptCommandName(std::u16string_view name);

// The editing commands: enabled only while the drawing has at least one entity.
bool IsEditingCommand(int id);
// Their command-bar entries, enabled by the same rule. The list names "modify_ARRAYRECT",
// which no table row carries (the table says "tool_ARRAYRECT"), and leaves out the polar
// array; it is kept as the shell has it.
std::span<const std::u16string_view> EditingCommandBarNames();

// The five mode toggles; their states are all sent after a drawing is loaded.
inline constexpr std::array<int, 5> kModeToggleCommands = {
    CommandId::Grid, CommandId::OrthoSnap, CommandId::GridSnap, CommandId::ObjectSnap,
    CommandId::IntersectionSnap};

}  // namespace korvo
