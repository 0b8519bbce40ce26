#pragma once

namespace korvo {

class CommandEngine;

// The commands that cut objects into pieces or dissolve them.
void RunTrim(CommandEngine& engine);
void RunBreak(CommandEngine& engine);
void RunChamfer(CommandEngine& engine);
void RunExplode(CommandEngine& engine);

// Registers the cutting commands with the engine.
void RegisterCuttingCommands(CommandEngine& engine);

}  // namespace korvo
