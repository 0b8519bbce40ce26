#pragma once

#include <filesystem>
#include <optional>

namespace korvo {

class CommandEngine;
class TableDialogService;

// Where the table commands find their files; unset means beside the program.
struct TableCommandOptions {
  std::optional<std::filesystem::path> lineTypeLibrary;
  std::optional<std::filesystem::path> fontFolder;
};

// LAYERS, STYLES and LINE_TYPES: each shows its dialog through `dialogs` and turns a confirmed
// dialog into one undoable step. They may run inside another command, whose undo group then
// takes the step; on their own they are recorded among the recent commands and close their
// group. `dialogs` must outlive the engine's handlers.
void RegisterTableCommands(CommandEngine& engine, TableDialogService& dialogs,
                           TableCommandOptions options = {});

}  // namespace korvo
