#pragma once

namespace korvo {

class CommandEngine;

// The commands of the view itself: undo and redo, zoom all, zoom window, zoom in and out
// once, and the interactive zoom in its three entries.
void RegisterViewCommands(CommandEngine& engine);

}  // namespace korvo
