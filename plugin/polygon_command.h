#pragma once

namespace korvo {

class CommandEngine;
struct PluginHost;

// The polygon command has no construction of its own: it names its script as the next one
// and posts the scripted command, which runs the script of the same name. `host` must
// outlive the engine's use of the command.
void RegisterPolygonCommand(CommandEngine& engine, PluginHost& host);

}  // namespace korvo
