#pragma once

namespace korvo {

class CommandEngine;
class HelpViewer;

// Registers help on the running command, the help contents and the quick-start page with the
// engine. None of them interrupts: help on the running command leaves that command waiting
// for its answer. `viewer` must outlive the engine's use of them.
void RegisterHelpCommands(CommandEngine& engine, HelpViewer& viewer);

}  // namespace korvo
