#include "platform/toolbar_definition.h"

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

TEST(ToolbarDefinition, RecordsOfThreeLines) {
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t records;
  } cases[] = {
      {"colour line only", "1 2 3\n", 0},
      {"one record", "1 2 3\na.bmp\nLine\n-draw_LINE\n", 1},
      {"one record without a final line end", "1 2 3\na.bmp\nLine\n-draw_LINE", 1},
      {"last record has one line", "1 2 3\na.bmp\nLine\n-draw_LINE\nb.bmp\n", 1},
      {"last record has two lines", "1 2 3\na.bmp\nLine\n-draw_LINE\nb.bmp\nArc\n", 1},
      {"two records, CR LF", "1 2 3\r\na.bmp\r\nLine\r\n-draw_LINE\r\nb\r\nArc\r\n-draw_ARC3PT\r\n",
       2},
      {"empty lines are lines", "1 2 3\n\n\n\n", 1},
      {"record with an empty command line", "1 2 3\na.bmp\nNothing\n\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolbarDefinition definition = ParseToolbarDefinition(c.bytes);
    EXPECT_EQ(definition.error, ToolbarDefinitionError::None);
    EXPECT_EQ(definition.records.size(), c.records);
  }
}

TEST(ToolbarDefinition, FieldsKeepTheirText) {
  const ToolbarDefinition definition =
      ParseToolbarDefinition("10 20 30\r\nicons/line.bmp\r\nDraw a line\r\n-draw_LINE\r\n");
  ASSERT_EQ(definition.records.size(), 1u);
  const ToolbarRecord& record = definition.records[0];
  EXPECT_EQ(record.imageFile, u"icons/line.bmp");
  EXPECT_EQ(record.itemText, u"Draw a line");
  EXPECT_EQ(record.commandText, u"-draw_LINE");
  EXPECT_EQ(record.CommandName(), u"draw_LINE");
  EXPECT_TRUE(ToolbarRecord{}.CommandName().empty());
}

TEST(ToolbarDefinition, ColourLine) {
  struct Case {
    const char* name;
    std::string line;
    bool valid;
    uint8_t red, green, blue;
  } cases[] = {
      {"plain", "1 2 3", true, 1, 2, 3},
      {"tabs and trailing blanks", "\t255\t0  128  ", true, 255, 0, 128},
      {"zeros", "0 0 0", true, 0, 0, 0},
      {"component above 255", "256 0 0", false, 0xC0, 0xC0, 0xC0},
      {"huge component", "99999999999999999999 0 0", false, 0xC0, 0xC0, 0xC0},
      {"negative", "-1 0 0", false, 0xC0, 0xC0, 0xC0},
      {"two numbers", "1 2", false, 0xC0, 0xC0, 0xC0},
      {"four numbers", "1 2 3 4", false, 0xC0, 0xC0, 0xC0},
      {"words", "red green blue", false, 0xC0, 0xC0, 0xC0},
      {"empty", "", false, 0xC0, 0xC0, 0xC0},
      {"hexadecimal", "0x10 0 0", false, 0xC0, 0xC0, 0xC0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolbarDefinition definition =
        ParseToolbarDefinition(c.line + "\na.bmp\nLine\n-draw_LINE\n");
    EXPECT_EQ(definition.colourValid, c.valid);
    EXPECT_EQ(definition.red, c.red);
    EXPECT_EQ(definition.green, c.green);
    EXPECT_EQ(definition.blue, c.blue);
    // A bad colour costs the background only, never the buttons.
    EXPECT_EQ(definition.records.size(), 1u);
  }
}

TEST(ToolbarDefinition, TextEncodings) {
  // "Kreis Ø" in UTF-8, then the same in Windows-1252.
  const ToolbarDefinition utf8 = ParseToolbarDefinition("1 2 3\na\nKreis \xC3\x98\n-x\n");
  ASSERT_EQ(utf8.records.size(), 1u);
  EXPECT_EQ(utf8.records[0].itemText, u"Kreis \u00D8");
  const ToolbarDefinition cp1252 = ParseToolbarDefinition("1 2 3\na\nKreis \xD8\n-x\n");
  ASSERT_EQ(cp1252.records.size(), 1u);
  EXPECT_EQ(cp1252.records[0].itemText, u"Kreis \u00D8");
}

TEST(ToolbarDefinition, LimitsEndTheRecords) {
  const std::string longLine(kMaxToolbarLineLength + 1, 'x');
  const ToolbarDefinition overlong = ParseToolbarDefinition(
      "1 2 3\na\nLine\n-draw_LINE\n" + longLine + "\nArc\n-draw_ARC3PT\nb\nC\n-GRID\n");
  EXPECT_EQ(overlong.records.size(), 1u);

  std::string many = "1 2 3\n";
  for (std::size_t i = 0; i < kMaxToolbarRecords + 5; ++i) many += "a\nb\n-c\n";
  EXPECT_EQ(ParseToolbarDefinition(many).records.size(), kMaxToolbarRecords);

  const std::string huge(kMaxToolbarFileBytes + 1, '\n');
  EXPECT_EQ(ParseToolbarDefinition(huge).error, ToolbarDefinitionError::TooLarge);
  EXPECT_EQ(ParseToolbarDefinition("").error, ToolbarDefinitionError::Empty);
}

TEST(ToolbarDefinition, ReadingFiles) {
  testing::ScratchFolder folder;
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return folder / name;
  };
  struct Case {
    const char* name;
    std::filesystem::path file;
    ToolbarDefinitionError error;
    std::size_t records;
  } cases[] = {
      {"missing", folder / "none.mnu", ToolbarDefinitionError::Missing, 0},
      {"a folder", folder.path(), ToolbarDefinitionError::Missing, 0},
      {"empty", write("empty.mnu", ""), ToolbarDefinitionError::Empty, 0},
      {"truncated in a record", write("cut.mnu", "1 2 3\na.bmp\nLi"), ToolbarDefinitionError::None,
       0},
      {"whole", write("whole.mnu", "1 2 3\na.bmp\nLine\n-draw_LINE\n"),
       ToolbarDefinitionError::None, 1},
      {"too large", write("large.mnu", std::string(kMaxToolbarFileBytes + 1, ' ')),
       ToolbarDefinitionError::TooLarge, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolbarDefinition definition = ReadToolbarDefinition(c.file);
    EXPECT_EQ(definition.error, c.error);
    EXPECT_EQ(definition.records.size(), c.records);
  }
}

}  // namespace
}  // namespace korvo
