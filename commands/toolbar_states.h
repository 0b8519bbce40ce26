#pragma once

#include <cstddef>
#include <string_view>

namespace korvo {

class Drawing;
class ToolbarModel;

// The recently used commands: an announced command's button moves to position 7 (the first
// seven keep their places), then UNDO and REDO move to position 1. Commands that are never
// recorded, or that have no button there, leave the toolbar alone; a scripted command is found by
// its script name, which `scriptName` gives for the named script command.
void RecordRecentCommand(ToolbarModel& recent, int commandId, std::u16string_view scriptName = {});

// Position of an announced command among the recently used ones, and of UNDO and REDO.
inline constexpr std::size_t kRecentCommandPosition = 7;
inline constexpr std::size_t kRecentUndoPosition = 1;

// The states the main window keeps on a toolbar: the editing buttons are enabled only while
// something is selected, UNDO and REDO follow the undo history, and GRID, GRIDSNAP and
// ORTHOSNAP are checked as the drawing's modes are. True when a button changed.
bool UpdateToolbarStates(ToolbarModel& toolbar, const Drawing& drawing);

}  // namespace korvo
