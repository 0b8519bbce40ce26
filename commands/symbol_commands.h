#pragma once

#include <filesystem>
#include <optional>

namespace korvo {

class CommandEngine;

class SymbolDialogService;

// Where the symbol commands find the library when the profile names no catalogue: the folder
// they create on first use (nothing: there is none to be had); and the dialog they ask in
// (null: the engine's property sheet shows it).
struct SymbolCommandOptions {
  std::optional<std::filesystem::path> defaultCatalog;
  SymbolDialogService* dialog = nullptr;
};

// Save as symbol: names a symbol in the "Drawing Symbol" dialog and writes the selected
// objects, or the whole drawing when nothing is selected, as that drawing file.
void RunSaveAsSymbol(CommandEngine& engine, const SymbolCommandOptions& options);
// Insert symbol: picks a symbol in the "Select Drawing Block" dialog, brings it in as a block
// and places references to it (insertion point, scale, rotation) until "<done>".
void RunInsertSymbol(CommandEngine& engine, const SymbolCommandOptions& options);

// Registers both under their identifiers.
void RegisterSymbolCommands(CommandEngine& engine, SymbolCommandOptions options);

}  // namespace korvo
