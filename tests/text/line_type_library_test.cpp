#include "text/line_type_library.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace korvo {
namespace {

std::vector<uint8_t> Utf16Le(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

std::vector<std::u16string> Names(const std::vector<std::unique_ptr<LineType>>& types) {
  std::vector<std::u16string> names;
  for (const auto& type : types) names.push_back(type->name);
  return names;
}

TEST(LineTypeLibrary, Records) {
  struct Case {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> names;
  } cases[] = {
      {"two records", u"header\nA\nfirst\n1,-1\nB\nsecond\n2,-2\n", {u"A", u"B"}},
      {"carriage returns and trailing spaces", u"h\r\nA  \r\nd\r\n1,-1  \r\n", {u"A"}},
      {"blank lines skipped", u"h\n\nA\n\n\nd\n\n1,-1\n", {u"A"}},
      {"incomplete record dropped", u"h\nA\nd\n1,-1\nB\nd\n", {u"A"}},
      {"no final line feed", u"h\nA\nd\n1,-1", {u"A"}},
      {"header only", u"only a header", {}},
      {"empty", u"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::unique_ptr<LineType>> types;
    ParseLineTypeLibrary(Utf16Le(c.text), types);
    EXPECT_EQ(Names(types), c.names);
  }
}

TEST(LineTypeLibrary, FieldsOfARecord) {
  std::vector<std::unique_ptr<LineType>> types;
  ParseLineTypeLibrary(Utf16Le(u"\uFEFF;; lib\nCENTER\nCenter ____ _\n12, -3, 3, -3\n"), types);
  ASSERT_EQ(types.size(), 1u);
  EXPECT_EQ(types[0]->description, u"Center ____ _");
  EXPECT_EQ(types[0]->pattern, (std::vector<double>{12, -3, 3, -3}));
  EXPECT_EQ(types[0]->builtIn, 0);
}

TEST(LineTypeLibrary, OddLengthFileIgnoresTheLastByte) {
  auto bytes = Utf16Le(u"h\nA\nd\n1,-1\n");
  bytes.push_back(0x41);
  std::vector<std::unique_ptr<LineType>> types;
  ParseLineTypeLibrary(bytes, types);
  EXPECT_EQ(Names(types), std::vector<std::u16string>{u"A"});
}

TEST(LineTypeLibrary, EveryTruncationYieldsOnlyCompleteRecords) {
  const auto bytes = Utf16Le(u"h\nA\nd\n1,-1\nB\ne\n2,-2\n");
  for (std::size_t size = 0; size <= bytes.size(); ++size) {
    std::vector<std::unique_ptr<LineType>> types;
    ParseLineTypeLibrary(std::vector<uint8_t>(bytes.begin(), bytes.begin() + size), types);
    for (const auto& type : types) EXPECT_FALSE(type->pattern.empty()) << size;
  }
}

TEST(LineTypeLibrary, MissingFileIsReported) {
  std::vector<std::unique_ptr<LineType>> types;
  EXPECT_FALSE(LoadLineTypeLibrary("/nonexistent/KorvoCAD.lts", types));
  EXPECT_TRUE(types.empty());
}

TEST(LineTypeLibrary, TheShippedLibraryHoldsTheDraftingPatterns) {
  std::vector<std::unique_ptr<LineType>> types;
  ASSERT_TRUE(LoadLineTypeLibrary(LineTypeLibraryPath(), types)) << LineTypeLibraryPath();
  const auto names = Names(types);
  for (const char16_t* family :
       {u"DASHED", u"HIDDEN", u"CENTER", u"PHANTOM", u"DOT", u"DASHDOT", u"BORDER", u"DIVIDE"}) {
    for (const std::u16string suffix : {u"", u"2", u"X2"}) {
      SCOPED_TRACE(
          std::string(family, family + std::char_traits<char16_t>::length(family)).c_str());
      EXPECT_NE(std::find(names.begin(), names.end(), family + suffix), names.end());
    }
  }
  for (const auto& type : types) EXPECT_GE(type->pattern.size(), 2u);
}

}  // namespace
}  // namespace korvo
