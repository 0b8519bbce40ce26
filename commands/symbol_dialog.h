#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "platform/symbol_catalog.h"
#include "view/symbol_preview.h"

namespace korvo {

class Profile;
class PropertySheetModel;
class PropertySheetService;

enum class SymbolDialogMode { Open, Save };

// The logic of the "Drawing Symbol" dialog: pick a symbol to insert (open mode) or name one to
// save (save mode). It keeps the catalogue, the chosen library and the name box, the two lists
// filled from the disk, and the preview of the selected symbol; every question and failure
// goes through `messages`.
class SymbolDialogModel {
 public:
  SymbolDialogModel(SymbolDialogMode mode, SymbolLocation start, MessageBoxService& messages);

  SymbolDialogMode mode() const { return mode_; }
  const SymbolLocation& location() const { return location_; }
  const std::vector<std::u16string>& libraries() const { return libraries_; }
  // In open mode the list also holds the library's DXF files, each under its whole file name
  // ("Bracket.dxf"), so that the two kinds can be told apart.
  const std::vector<std::u16string>& symbols() const { return symbols_; }
  // Whether the list item `name` stands for a DXF file.
  bool IsDxfSymbol(std::u16string_view name) const;
  // The library's index in libraries(); the root entry stands for every library text with a
  // "*" in it.
  std::optional<std::size_t> LibraryIndex() const;

  // The "..." button chose a catalogue: both lists are filled again from the root entry.
  void SetCatalog(std::u16string catalog);
  // The library list: false (and nothing changes) for an entry it does not hold.
  bool SelectLibrary(std::u16string_view library);
  // The symbol list: the name goes to the name box and the symbol is previewed in an area of
  // the given size; a symbol that cannot be read hides the preview.
  void SelectSymbol(std::u16string_view name, int previewWidth, int previewHeight);
  const SymbolPreview& preview() const { return preview_; }
  void SetName(std::u16string name) { location_.name = std::move(name); }

  // "Delete": asks, then deletes the file, clears the preview and fills the symbol list
  // again. A file that is already gone is passed over without a word. True when deleted.
  bool DeleteSymbol(std::u16string_view name);
  // "Rename": moves the file within its folder. True when it moved.
  bool RenameSymbol(std::u16string_view from, std::u16string_view to);

  // OK: false, after saying why, while the dialog has to stay open (no name, a name that is
  // not a file name, or in save mode a file that exists and is not to be replaced).
  bool Accept();
  // The file the dialog stands for: its catalogue, library and name with the drawing
  // extension, or a DXF file of the list under its own name.
  std::filesystem::path FilePath() const;
  // The help topic of the dialog's help button.
  std::u16string_view HelpTopic() const;

 private:
  void FillSymbols();
  std::filesystem::path FileOf(std::u16string_view name) const;

  SymbolDialogMode mode_;
  SymbolLocation location_;
  MessageBoxService& messages_;
  std::vector<std::u16string> libraries_;
  std::vector<std::u16string> symbols_;
  std::vector<std::u16string> dxfSymbols_;
  SymbolPreview preview_;
};

// A symbol name must stand for one file in the library folder: not empty nor only blanks, no
// path separator, no control character, and not "." or "..".
bool IsValidSymbolName(std::u16string_view name);

// The catalogue a command works in: the profile's as it stands, else the default folder under
// the user's data folder (`fallback`), which is created and stored in the profile on first
// use. Nothing when the setting is empty and the default cannot be had; `messages` has then
// been told.
std::optional<std::u16string> PrepareCatalog(Profile& profile,
                                             const std::optional<std::filesystem::path>& fallback,
                                             MessageBoxService& messages);

// How the dialog is shown as a property sheet: its title, the label of the name row, and rows
// of the caller's own after the two of the symbol.
struct SymbolSheetLayout {
  std::u16string_view title = u"Drawing Symbol";
  std::u16string_view nameLabel = u"Name:";
  std::function<void(PropertySheetModel&)> addRows;
};

// Runs the dialog as a property sheet: the rows "Symbol Library:" (the library list, when
// there is a catalogue), the name, the caller's rows, and "Catalogue:" (what the "..." button
// chooses: a new catalogue fills the lists again and shows the sheet once more). OK that the
// model refuses shows the sheet again. In open mode an accepted location is written to the
// profile. Nothing when cancelled.
std::optional<SymbolLocation> RunSymbolDialog(SymbolDialogModel& model,
                                              PropertySheetService& sheets, Profile& profile,
                                              const SymbolSheetLayout& layout = {});

// The dialog as the shell shows it: the same model, laid out as `layout` says. The answer is
// what RunSymbolDialog's would be: the accepted location (written to the profile in open
// mode), nothing when cancelled.
class SymbolDialogService {
 public:
  virtual ~SymbolDialogService() = default;
  virtual std::optional<SymbolLocation> Run(SymbolDialogModel& model, Profile& profile,
                                            const SymbolSheetLayout& layout) = 0;
};

}  // namespace korvo
