#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

class Profile;

// The symbol library on disk: a catalogue folder holds the root symbols and one sub-folder
// per library; a symbol is a drawing file in one of them.

// The library entry that stands for the catalogue folder itself.
inline constexpr std::u16string_view kRootSymbolLibrary = u" *** Root Symbols ***";
inline constexpr std::u16string_view kSymbolExtension = u".KorvoDWG";
inline constexpr std::u16string_view kDxfSymbolExtension = u".dxf";
// The profile keys, in the program's own section.
inline constexpr std::u16string_view kSymbolCatalogKey = u"SymbolCatalog";
inline constexpr std::u16string_view kSymbolLibraryKey = u"SymbolLibrary";
inline constexpr std::u16string_view kSymbolKey = u"Symbol";

enum class SymbolFormat { Native, Dxf };

// Where a symbol is: catalogue folder, library entry and symbol name (no extension).
struct SymbolLocation {
  std::u16string catalog;
  std::u16string library{kRootSymbolLibrary};
  std::u16string name;
};

// Any library text with a "*" in it (and an empty one) means the catalogue folder itself.
bool IsRootLibrary(std::u16string_view library);
// The folder of a library; empty for an empty catalogue.
std::filesystem::path SymbolFolder(std::u16string_view catalog, std::u16string_view library);
std::filesystem::path SymbolFilePath(const SymbolLocation& location, SymbolFormat format);

// The root entry first, then every sub-folder of the catalogue in the order the file system
// gives them (leaving out names with a line break). Empty for an empty catalogue setting; only the
// root entry for a catalogue that cannot be read.
std::vector<std::u16string> ListSymbolLibraries(std::u16string_view catalog);
// The files (not folders) of the library folder whose names end in `extension` (compared
// without regard to case), without it. Empty when the folder cannot be read.
std::vector<std::u16string> ListSymbols(std::u16string_view catalog, std::u16string_view library,
                                        std::u16string_view extension = kSymbolExtension);
// The same files with their whole names, the extension spelt as on disk.
std::vector<std::u16string> ListSymbolFiles(std::u16string_view catalog,
                                            std::u16string_view library,
                                            std::u16string_view extension);

// One level of the catalogue folder dialog's tree: the sub-folders of `folder` (folders
// only), sorted by name without regard to case. Empty when it cannot be read.
std::vector<std::u16string> ListSubFolders(const std::filesystem::path& folder);
// The name of that tree's root when the device has none of its own.
inline constexpr std::u16string_view kDefaultDeviceName = u"My Mobile Device";

// The settings: catalogue (default empty), library (default the root entry) and, only when
// `withSymbol`, the last symbol.
SymbolLocation ReadSymbolLocation(const Profile& profile, bool withSymbol);
// False when the profile could not store a value.
bool WriteSymbolLocation(Profile& profile, const SymbolLocation& location);

// "KorvoCAD/Symbols" under the user's data folder: $XDG_DATA_HOME when it is absolute, else
// ~/.local/share. Nothing without either.
std::optional<std::filesystem::path> DefaultSymbolCatalog(const char* xdgDataHome,
                                                          const char* home);
// The same from the environment of the process.
std::optional<std::filesystem::path> DefaultSymbolCatalog();

enum class CatalogStatus { Ready, Missing, NotWritable };
// Creates the folder (and its parents) when it is not there yet and checks that a file can be
// made in it.
CatalogStatus PrepareSymbolCatalog(const std::filesystem::path& folder);

enum class SymbolFileRemoval { Deleted, NotFound, Failed };
SymbolFileRemoval DeleteSymbolFile(const std::filesystem::path& file);
// Moves `from` to `to`; false when it did not move (also when `to` exists already).
bool RenameSymbolFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace korvo
