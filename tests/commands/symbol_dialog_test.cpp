#include "commands/symbol_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "platform/headless_property_sheet.h"
#include "tests/support/memory_profile.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

void WriteLineSymbol(const fs::path& file) {
  Drawing symbol;
  symbol.New();
  symbol.entities.AddTail(new LineEntity({0, 0}, {40, 10}, symbol.settings));
  RecordingMessageBox messages;
  ASSERT_TRUE(SaveDrawing(symbol, file, messages));
}

class SymbolDialog : public ::testing::Test {
 protected:
  SymbolDialog() {
    fs::create_directories(catalog / "Lib");
    WriteLineSymbol(catalog / "Lib" / "Line.KorvoDWG");
  }
  SymbolLocation Start(std::u16string library = u"Lib") {
    return {catalog.path().u16string(), std::move(library), u""};
  }

  ScratchFolder catalog{"symbols"};
  RecordingMessageBox messages;
};

TEST_F(SymbolDialog, StartsInTheRememberedLibraryOrElseTheRoot) {
  SymbolDialogModel remembered(SymbolDialogMode::Open, Start(), messages);
  EXPECT_EQ(remembered.symbols(), std::vector<std::u16string>{u"Line"});
  ASSERT_TRUE(remembered.LibraryIndex());
  EXPECT_EQ(remembered.libraries()[*remembered.LibraryIndex()], u"Lib");

  SymbolDialogModel gone(SymbolDialogMode::Open, Start(u"Removed"), messages);
  EXPECT_EQ(gone.location().library, u" *** Root Symbols ***");
  EXPECT_EQ(gone.LibraryIndex(), std::optional<std::size_t>(0));
  EXPECT_TRUE(gone.symbols().empty());
  EXPECT_FALSE(gone.SelectLibrary(u"Removed"));
  EXPECT_TRUE(gone.SelectLibrary(u"Lib"));
  EXPECT_EQ(gone.symbols(), std::vector<std::u16string>{u"Line"});
}

TEST_F(SymbolDialog, SelectingASymbolPreviewsIt) {
  SymbolDialogModel model(SymbolDialogMode::Open, Start(), messages);
  model.SelectSymbol(u"Line", 32, 32);
  EXPECT_EQ(model.location().name, u"Line");
  ASSERT_TRUE(model.preview().shown);
  const Bitmap& picture = *model.preview().picture;
  ASSERT_EQ(picture.width(), 32);
  // The line runs from corner to corner of the fitted extents: the paper is not bare, and
  // its ends lie near the left and right borders.
  int inkLeft = 32, inkRight = -1;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (picture.Pixel(x, y) != 0xFFFFFF)
        inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
  EXPECT_LE(inkLeft, 3);
  EXPECT_GE(inkRight, 28);

  std::ofstream(catalog / "Lib" / "Broken.KorvoDWG") << "not a drawing at all, no";
  struct Case {
    const char* name;
    const char16_t* symbol;
  } hidden[] = {{"missing", u"Nothing"},
                {"not a drawing", u"Broken"},
                {"outside the library", u"../Lib/Line"}};
  for (const Case& c : hidden) {
    SCOPED_TRACE(c.name);
    model.SelectSymbol(c.symbol, 32, 32);
    EXPECT_FALSE(model.preview().shown);
    EXPECT_EQ(model.preview().picture, nullptr);
  }
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SymbolDialog, DeleteAsksFirstAndPassesOverAFileAlreadyGone) {
  SymbolDialogModel model(SymbolDialogMode::Open, Start(), messages);
  const fs::path file = catalog / "Lib" / "Line.KorvoDWG";
  messages.QueueAnswer(MessageAnswer::No);
  EXPECT_FALSE(model.DeleteSymbol(u"Line"));
  EXPECT_TRUE(fs::exists(file));
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, u"Are you sure you want to delete 'Line'?");
  EXPECT_EQ(messages.Messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);

  model.SelectSymbol(u"Line", 16, 16);
  messages.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(model.DeleteSymbol(u"Line"));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(model.symbols().empty());
  EXPECT_FALSE(model.preview().shown);

  // Removed meanwhile by someone else: no question.
  messages.Clear();
  EXPECT_FALSE(model.DeleteSymbol(u"Line"));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SymbolDialog, RenameMovesTheFileOrSaysWhyNot) {
  WriteLineSymbol(catalog / "Lib" / "Taken.KorvoDWG");
  SymbolDialogModel model(SymbolDialogMode::Open, Start(), messages);
  EXPECT_FALSE(model.RenameSymbol(u"Line", u"Taken"));
  ASSERT_EQ(messages.Texts(),
            std::vector<std::u16string>{u"Cannot rename file  'Line'  to 'Taken'!"});
  EXPECT_TRUE(model.RenameSymbol(u"Line", u"Beam"));
  EXPECT_TRUE(fs::exists(catalog / "Lib" / "Beam.KorvoDWG"));
  std::vector<std::u16string> symbols = model.symbols();
  std::sort(symbols.begin(), symbols.end());
  EXPECT_EQ(symbols, (std::vector<std::u16string>{u"Beam", u"Taken"}));
}

// DXF files are offered for reading only, under their whole names.
TEST_F(SymbolDialog, OpenModeAlsoListsDxfFilesUnderTheirOwnNames) {
  std::ofstream(catalog / "Lib" / "Plate.DXF", std::ios::binary)
      << "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n10\n21\n5\n0\nENDSEC\n"
         "0\nEOF\n";
  SymbolDialogModel open(SymbolDialogMode::Open, Start(), messages);
  EXPECT_EQ(open.symbols(), (std::vector<std::u16string>{u"Line", u"Plate.DXF"}));
  EXPECT_TRUE(open.IsDxfSymbol(u"Plate.DXF"));
  EXPECT_FALSE(open.IsDxfSymbol(u"Line"));
  open.SelectSymbol(u"Plate.DXF", 32, 32);
  ASSERT_TRUE(open.preview().shown);
  const Bitmap& picture = *open.preview().picture;
  const uint32_t background = picture.Pixel(0, 0);
  EXPECT_TRUE(std::any_of(picture.pixels().begin(), picture.pixels().end(),
                          [&](uint32_t p) { return p != background; }));
  EXPECT_EQ(open.FilePath(), catalog / "Lib" / "Plate.DXF");

  // Renamed, it stays a DXF file.
  EXPECT_TRUE(open.RenameSymbol(u"Plate.DXF", u"Bracket"));
  EXPECT_TRUE(fs::exists(catalog / "Lib" / "Bracket.dxf"));
  EXPECT_EQ(open.symbols(), (std::vector<std::u16string>{u"Line", u"Bracket.dxf"}));

  SymbolDialogModel save(SymbolDialogMode::Save, Start(), messages);
  EXPECT_EQ(save.symbols(), std::vector<std::u16string>{u"Line"});
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(SymbolDialog, OkInOpenModeWritesTheSettings) {
  testing::MemoryProfile profile;
  SymbolDialogModel model(SymbolDialogMode::Open, Start(u" *** Root Symbols ***"), messages);
  HeadlessPropertySheet sheets;
  sheets.QueueAnswer({PropertySheetResult::Ok, {{u"", 1, u"Lib"}, {u"Name", 0, u""}}});
  sheets.QueueAnswer({PropertySheetResult::Ok, {{u"Name", 0, u"Line"}}});
  const std::optional<SymbolLocation> chosen = RunSymbolDialog(model, sheets, profile);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->library, u"Lib");
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{u"Specify a correct name of Symbol!"});
  EXPECT_EQ(sheets.Titles(), (std::vector<std::u16string>{u"Drawing Symbol", u"Drawing Symbol"}));
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"SymbolLibrary", u""), u"Lib");
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"Symbol", u""), u"Line");
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"SymbolCatalog", u""), catalog.path().u16string());
  EXPECT_EQ(model.FilePath(), catalog / "Lib" / "Line.KorvoDWG");
  EXPECT_EQ(model.HelpTopic(), u"open_symbol_dialog");
}

TEST_F(SymbolDialog, AnEmptyCatalogueOffersNothingAndAcceptsNothing) {
  SymbolDialogModel model(SymbolDialogMode::Save, {u"", u" *** Root Symbols ***", u"A"}, messages);
  EXPECT_TRUE(model.libraries().empty());
  EXPECT_TRUE(model.symbols().empty());
  EXPECT_FALSE(model.Accept());
  EXPECT_EQ(model.HelpTopic(), u"save_symbol_dialog");
}

TEST(SymbolName, OnlyNamesOfOneFileAreTaken) {
  struct Case {
    const char* name;
    std::u16string text;
    bool valid;
  } cases[] = {
      {"plain", u"Chair", true},      {"with blanks and dots", u"Door 90.left", true},
      {"empty", u"", false},          {"slash", u"a/b", false},
      {"backslash", u"a\\b", false},  {"dot", u".", false},
      {"dot dot", u"..", false},      {"line break", u"a\nb", false},
      {"only blanks", u"   ", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsValidSymbolName(c.text), c.valid);
  }
}

TEST_F(SymbolDialog, ACatalogueChosenInTheDialogFillsTheListsAnew) {
  ScratchFolder other{"other"};
  fs::create_directories(other / "Pipes");
  WriteLineSymbol(other / "Pipes" / "Valve.KorvoDWG");
  testing::MemoryProfile profile;
  SymbolDialogModel model(SymbolDialogMode::Open, Start(), messages);
  HeadlessPropertySheet sheets;
  sheets.QueueAnswer({PropertySheetResult::Ok,
                      {{u"Catalogue", 0, other.path().u16string()}, {u"Name", 0, u"Valve"}}});
  sheets.QueueAnswer({PropertySheetResult::Ok, {{u"", 1, u"Pipes"}}});
  const std::optional<SymbolLocation> chosen = RunSymbolDialog(model, sheets, profile);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->catalog, other.path().u16string());
  EXPECT_EQ(chosen->library, u"Pipes");
  EXPECT_EQ(chosen->name, u"Valve");
  EXPECT_EQ(sheets.Titles().size(), 2u);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(profile.GetString(u"SETTINGS", u"SymbolCatalog", u""), other.path().u16string());
}

}  // namespace
}  // namespace korvo
