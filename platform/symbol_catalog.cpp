#include "platform/symbol_catalog.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/file_io.h"
#include "platform/profile.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(std::u16string_view text) {
  return fs::path(Utf16ToUtf8(text));
}

std::u16string TextOf(const fs::path& path) {
  return Utf8ToUtf16(path.string());
}

bool EndsWithNoCase(std::u16string_view text, std::u16string_view tail) {
  return text.size() > tail.size() && EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

}  // namespace

bool IsRootLibrary(std::u16string_view library) {
  return library.empty() || library.find(u'*') != std::u16string_view::npos;
}

fs::path SymbolFolder(std::u16string_view catalog, std::u16string_view library) {
  if (catalog.empty()) return {};
  fs::path folder = PathOf(catalog);
  if (!IsRootLibrary(library)) folder /= PathOf(library);
  return folder;
}

fs::path SymbolFilePath(const SymbolLocation& location, SymbolFormat format) {
  std::u16string file = location.name;
  file += format == SymbolFormat::Dxf ? kDxfSymbolExtension : kSymbolExtension;
  return SymbolFolder(location.catalog, location.library) / PathOf(file);
}

std::vector<std::u16string> ListSymbolLibraries(std::u16string_view catalog) {
  std::vector<std::u16string> libraries;
  if (catalog.empty()) return libraries;
  libraries.emplace_back(kRootSymbolLibrary);
  std::error_code error;
  for (fs::directory_iterator it(PathOf(catalog), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kindError;
    if (!it->is_directory(kindError)) continue;
    // Library names travel as lines of a list; a folder whose name breaks a line cannot be
    // told apart from two, so it is not offered.
    std::u16string name = TextOf(it->path().filename());
    if (name.find_first_of(u"\r\n") == std::u16string::npos) libraries.push_back(std::move(name));
  }
  return libraries;
}

std::vector<std::u16string> ListSymbolFiles(std::u16string_view catalog,
                                            std::u16string_view library,
                                            std::u16string_view extension) {
  std::vector<std::u16string> files;
  const fs::path folder = SymbolFolder(catalog, library);
  if (folder.empty()) return files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (it->is_directory(kindError)) continue;
    std::u16string name = TextOf(it->path().filename());
    if (EndsWithNoCase(name, extension)) files.push_back(std::move(name));
  }
  return files;
}

std::vector<std::u16string> ListSymbols(std::u16string_view catalog, std::u16string_view library,
                                        std::u16string_view extension) {
  std::vector<std::u16string> symbols = ListSymbolFiles(catalog, library, extension);
  for (std::u16string& name : symbols) name.resize(name.size() - extension.size());
  return symbols;
}

std::vector<std::u16string> ListSubFolders(const fs::path& folder) {
  std::vector<std::u16string> folders;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code kindError;
    if (it->is_directory(kindError)) folders.push_back(TextOf(it->path().filename()));
  }
  std::sort(folders.begin(), folders.end(), [](const std::u16string& a, const std::u16string& b) {
    return ToUpper(a) < ToUpper(b);
  });
  return folders;
}

SymbolLocation ReadSymbolLocation(const Profile& profile, bool withSymbol) {
  SymbolLocation location;
  location.catalog = profile.GetString(kSettingsSection, kSymbolCatalogKey, u"");
  location.library = profile.GetString(kSettingsSection, kSymbolLibraryKey, kRootSymbolLibrary);
  if (withSymbol) location.name = profile.GetString(kSettingsSection, kSymbolKey, u"");
  return location;
}

bool WriteSymbolLocation(Profile& profile, const SymbolLocation& location) {
  // Every value is written even when one fails: each is still kept for this run.
  bool stored = profile.SetString(kSettingsSection, kSymbolCatalogKey, location.catalog);
  stored = profile.SetString(kSettingsSection, kSymbolLibraryKey, location.library) && stored;
  stored = profile.SetString(kSettingsSection, kSymbolKey, location.name) && stored;
  return stored;
}

std::optional<fs::path> DefaultSymbolCatalog(const char* xdgDataHome, const char* home) {
  fs::path folder;
  if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute()) {
    folder = xdgDataHome;
  } else if (home != nullptr && *home != '\0') {
    folder = fs::path(home) / ".local" / "share";
  } else {
    return std::nullopt;
  }
  return folder / "KorvoCAD" / "Symbols";
}

std::optional<fs::path> DefaultSymbolCatalog() {
  return DefaultSymbolCatalog(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

CatalogStatus PrepareSymbolCatalog(const fs::path& folder) {
  if (folder.empty()) return CatalogStatus::Missing;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) return CatalogStatus::Missing;
  // Permission bits do not tell (root ignores them, ACLs add to them): try a file.
  const fs::path probe = folder / ".korvocad-write-probe";
  FileWriter writer;
  if (!writer.Open(probe, FileWriter::OpenMode::Replace)) return CatalogStatus::NotWritable;
  const bool closed = writer.Close();
  fs::remove(probe, error);
  return closed ? CatalogStatus::Ready : CatalogStatus::NotWritable;
}

SymbolFileRemoval DeleteSymbolFile(const fs::path& file) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(file, error))) return SymbolFileRemoval::NotFound;
  return fs::remove(file, error) ? SymbolFileRemoval::Deleted : SymbolFileRemoval::Failed;
}

bool RenameSymbolFile(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::exists(fs::symlink_status(to, error))) return false;
  fs::rename(from, to, error);
  return !error;
}

}  // namespace korvo
