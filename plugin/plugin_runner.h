#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_dialog.h"
#include "platform/module.h"

namespace korvo {

class CommandEngine;
class FileCommands;
class MessageBoxService;
class PluginContext;

// A module kept loaded for the rest of the program run once a command loaded it (the script
// plug-in); released when the cache goes.
class PluginModuleCache {
 public:
  explicit PluginModuleCache(ModuleLoader& loader) : loader_(loader) {}
  ~PluginModuleCache() { Clear(); }
  PluginModuleCache(const PluginModuleCache&) = delete;
  PluginModuleCache& operator=(const PluginModuleCache&) = delete;

  ModuleHandle handle() const { return handle_; }
  // Takes over a module loaded through the cache's loader.
  void Keep(ModuleHandle module) { handle_ = module; }
  void Clear() {
    if (handle_ != nullptr) loader_.Release(handle_);
    handle_ = nullptr;
  }

 private:
  ModuleLoader& loader_;
  ModuleHandle handle_ = nullptr;
};

// Whether a plug-in command closes the drawing's undo group when it returns.
enum class UndoGroupEnd { Close, Leave };

// One run of a plug-in command.
struct PluginCommand {
  std::filesystem::path moduleFile;  // a file name in the program folder
  std::u16string commandName;
  std::optional<std::u16string> arguments;  // none: the program's command line
  UndoGroupEnd undoGroup = UndoGroupEnd::Close;
  PluginModuleCache* cache = nullptr;  // none: loaded and released around the command
  std::u16string dialogName;           // non-empty: the name every property dialog takes
};

// What the plug-in commands of a program run share: the loader, the program's command line,
// the kept script module and the folder the modules are looked for in.
struct PluginHost {
  explicit PluginHost(ModuleLoader& moduleLoader = DefaultModuleLoader());

  ModuleLoader& loader;
  std::u16string commandLine;
  std::filesystem::path folder;  // the program folder
  PluginModuleCache scriptModule;
  // The script the next scripted command runs: set by whatever sends that command (a button
  // carries the script's name).
  std::u16string nextScript;
  // Where "Custom Tool" asks for its script (not owned); without one it has no handler.
  FileDialogService* fileDialog = nullptr;
  // The script "Custom Tool" ran last, where its dialog starts next time.
  std::filesystem::path lastScript;
  // The session's files, for the bitmap export service: its kept options and their dialog
  // (not owned). Without them the export takes its arguments only and cannot ask.
  FileCommands* files = nullptr;
};

// Runs a plug-in command in the engine's view: marks the plug-in as running (repaints asked
// for meanwhile are done once at the end), builds the context, calls the module, destroys
// the context, gives the input state back as it found it (no question open, or the question
// of the command it runs inside) and closes the undo group when asked (an empty group is
// dropped).
void RunPluginCommand(CommandEngine& engine, PluginHost& host, const PluginCommand& command);

// Loads the module (or takes it from the cache), calls its entry point with the context and
// releases it again unless it is cached. A module that cannot be loaded or has no entry
// point is reported in a message box and nothing runs.
void CallPlugin(PluginContext& context, const std::filesystem::path& modulePath,
                std::u16string_view commandName, PluginModuleCache* cache, ModuleLoader& loader,
                MessageBoxService& messageBox);

}  // namespace korvo
