#include "platform/symbol_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/memory_profile.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

void Touch(const fs::path& file) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "x";
}

std::u16string Text(const fs::path& path) {
  return std::u16string(path.u16string());
}

std::vector<std::u16string> Sorted(std::vector<std::u16string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SymbolCatalog, LibrariesAreTheRootEntryThenTheSubFolders) {
  ScratchFolder catalog;
  fs::create_directories(catalog / "Electric");
  fs::create_directories(catalog / "Furniture");
  Touch(catalog / "Root.KorvoDWG");
  const std::vector<std::u16string> libraries = ListSymbolLibraries(Text(catalog.path()));
  ASSERT_EQ(libraries.size(), 3u);
  EXPECT_EQ(libraries[0], u" *** Root Symbols ***");
  // The file system decides the order of the folders.
  EXPECT_EQ(Sorted({libraries[1], libraries[2]}),
            (std::vector<std::u16string>{u"Electric", u"Furniture"}));
}

TEST(SymbolCatalog, SymbolsAreTheDrawingFilesOfTheLibraryWithoutExtension) {
  ScratchFolder catalog;
  Touch(catalog / "Root.KorvoDWG");
  Touch(catalog / "Furniture" / "Chair.KorvoDWG");
  Touch(catalog / "Furniture" / "Table.korvodwg");                 // the extension in any case
  Touch(catalog / "Furniture" / "Notes.txt");                      // not a drawing
  Touch(catalog / "Furniture" / "Lamp.dxf");                       // exchange files are not listed
  Touch(catalog / "Furniture" / ".KorvoDWG");                      // nothing before the extension
  fs::create_directories(catalog / "Furniture" / "Old.KorvoDWG");  // a folder
  const std::u16string root = Text(catalog.path());
  EXPECT_EQ(Sorted(ListSymbols(root, u"Furniture")),
            (std::vector<std::u16string>{u"Chair", u"Table"}));
  EXPECT_EQ(ListSymbols(root, u" *** Root Symbols ***"), std::vector<std::u16string>{u"Root"});
}

TEST(SymbolCatalog, EmptyOrUnreadablePlacesGiveEmptyLists) {
  ScratchFolder catalog;
  fs::create_directories(catalog / "Empty");
  const std::u16string root = Text(catalog.path());
  struct Case {
    const char* name;
    std::u16string catalog;
    std::u16string library;
    std::size_t libraries;
  } cases[] = {
      {"empty catalogue setting", u"", u" *** Root Symbols ***", 0},
      {"library without symbols", root, u"Empty", 2},
      {"library that does not exist", root, u"Gone", 2},
      {"catalogue that does not exist", root + u"/missing", u"Any", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ListSymbolLibraries(c.catalog).size(), c.libraries);
    EXPECT_TRUE(ListSymbols(c.catalog, c.library).empty());
  }
}

TEST(SymbolCatalog, ALibraryNameWithAStarIsTheCatalogueItself) {
  struct Case {
    const char* name;
    SymbolLocation location;
    SymbolFormat format;
    const char* path;
  } cases[] = {
      {"root entry",
       {u"/cat", u" *** Root Symbols ***", u"A"},
       SymbolFormat::Native,
       "/cat/A.KorvoDWG"},
      {"any star", {u"/cat", u"x*y", u"A"}, SymbolFormat::Native, "/cat/A.KorvoDWG"},
      {"library", {u"/cat", u"Lib", u"A"}, SymbolFormat::Native, "/cat/Lib/A.KorvoDWG"},
      {"exchange file", {u"/cat", u"Lib", u"A"}, SymbolFormat::Dxf, "/cat/Lib/A.dxf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SymbolFilePath(c.location, c.format), fs::path(c.path));
  }
}

TEST(SymbolCatalog, SettingsHaveTheirDefaultsAndTheSymbolIsReadOnlyWhenAsked) {
  testing::MemoryProfile profile;
  SymbolLocation fresh = ReadSymbolLocation(profile, true);
  EXPECT_EQ(fresh.catalog, u"");
  EXPECT_EQ(fresh.library, u" *** Root Symbols ***");
  EXPECT_EQ(fresh.name, u"");

  EXPECT_TRUE(WriteSymbolLocation(profile, {u"/cat", u"Lib", u"Chair"}));
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"SymbolCatalog", u""), u"/cat");
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"SymbolLibrary", u""), u"Lib");
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"Symbol", u""), u"Chair");
  EXPECT_EQ(ReadSymbolLocation(profile, true).name, u"Chair");
  EXPECT_EQ(ReadSymbolLocation(profile, false).name, u"");
}

TEST(SymbolCatalog, TheDefaultCatalogueLivesInTheUsersDataFolder) {
  struct Case {
    const char* name;
    const char* xdgDataHome;
    const char* home;
    std::optional<fs::path> folder;
  } cases[] = {
      {"data home", "/data", "/home/u", fs::path("/data/KorvoCAD/Symbols")},
      {"relative data home is ignored", "data", "/home/u",
       fs::path("/home/u/.local/share/KorvoCAD/Symbols")},
      {"home only", nullptr, "/home/u", fs::path("/home/u/.local/share/KorvoCAD/Symbols")},
      {"neither", nullptr, "", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DefaultSymbolCatalog(c.xdgDataHome, c.home), c.folder);
  }
}

TEST(SymbolCatalog, PreparingCreatesTheFolderOnFirstUseAndReportsWhatCannotBeUsed) {
  ScratchFolder scratch;
  const fs::path fresh = scratch / "data" / "KorvoCAD" / "Symbols";
  EXPECT_EQ(PrepareSymbolCatalog(fresh), CatalogStatus::Ready);
  EXPECT_TRUE(fs::is_directory(fresh));
  EXPECT_TRUE(fs::is_empty(fresh));  // the write probe is gone again
  EXPECT_EQ(PrepareSymbolCatalog(fresh), CatalogStatus::Ready);

  Touch(scratch / "file");
  EXPECT_EQ(PrepareSymbolCatalog(scratch / "file"), CatalogStatus::Missing);
  EXPECT_EQ(PrepareSymbolCatalog(scratch / "file" / "below"), CatalogStatus::Missing);
  EXPECT_EQ(PrepareSymbolCatalog({}), CatalogStatus::Missing);
}

TEST(SymbolCatalog, DeletingAndRenamingTellWhatHappened) {
  ScratchFolder catalog;
  Touch(catalog / "A.KorvoDWG");
  Touch(catalog / "B.KorvoDWG");
  EXPECT_FALSE(RenameSymbolFile(catalog / "A.KorvoDWG", catalog / "B.KorvoDWG"));
  EXPECT_TRUE(fs::exists(catalog / "B.KorvoDWG"));
  EXPECT_TRUE(RenameSymbolFile(catalog / "A.KorvoDWG", catalog / "C.KorvoDWG"));
  EXPECT_FALSE(fs::exists(catalog / "A.KorvoDWG"));
  EXPECT_FALSE(RenameSymbolFile(catalog / "A.KorvoDWG", catalog / "D.KorvoDWG"));

  EXPECT_EQ(DeleteSymbolFile(catalog / "C.KorvoDWG"), SymbolFileRemoval::Deleted);
  EXPECT_EQ(DeleteSymbolFile(catalog / "C.KorvoDWG"), SymbolFileRemoval::NotFound);
}

TEST(SymbolCatalog, TheFolderTreeListsFoldersSortedWithoutRegardToCase) {
  ScratchFolder root;
  for (const char* name : {"beta", "Alpha", "gamma", "Delta"}) fs::create_directories(root / name);
  Touch(root / "aardvark.txt");
  EXPECT_EQ(ListSubFolders(root.path()),
            (std::vector<std::u16string>{u"Alpha", u"beta", u"Delta", u"gamma"}));
  EXPECT_TRUE(ListSubFolders(root / "missing").empty());
}

}  // namespace
}  // namespace korvo
