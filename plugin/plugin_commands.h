#pragma once

#include <span>
#include <string_view>

namespace korvo {

class CommandEngine;
struct PluginHost;

// The file of the command-set plug-in and of the script plug-in, in the program folder.
inline constexpr std::string_view kCommandSetModule = "kcadccs.kxp";
inline constexpr std::string_view kScriptModule = "kcadsjs.kxp";

// A menu command that runs a command of the command-set plug-in.
struct PluginMenuCommand {
  int id;
  std::u16string_view name;  // the plug-in's command name
  // The handler closes the undo group itself after ending the command, rather than the run.
  bool closesAfterEnd;
};

// The fifteen menu commands of the command set, drawing settings last.
std::span<const PluginMenuCommand> PluginMenuCommands();

// Registers the menu commands of the command set and the scripted command with the engine.
// `host` must outlive the engine's use of them.
void RegisterPluginCommands(CommandEngine& engine, PluginHost& host);

// "Custom Tool": asks for a script file and runs it through the script module.
void RunCustomTool(CommandEngine& engine, PluginHost& host);
// Runs the script `name` from the program folder's "Scripted Commands" as a command of its
// own (announced, its undo group closed at the end).
void RunScriptedCommand(CommandEngine& engine, PluginHost& host, std::u16string_view name);

}  // namespace korvo
