// The fonts shipped in data/FONTS, read from the program folder as the program reads them.

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/message_box.h"
#include "text/font_failure_report.h"
#include "text/font_files.h"
#include "text/font_loading.h"

namespace korvo {
namespace {

class ShippedFonts : public ::testing::Test {
 protected:
  ShippedFonts() : previousFolder_(SetFontFolder({})), messageBox_(messages_) {}
  ~ShippedFonts() override { SetFontFolder(previousFolder_); }

  // Loads every glyph `text` needs; true when each character has a glyph of its own.
  static bool HasOwnGlyphs(StrokeFont& font, std::u16string_view text) {
    LoadGlyphs(font, text);
    for (char16_t c : text) {
      if (!font.glyphs.contains(c)) {
        ADD_FAILURE() << "no glyph for U+" << std::hex << static_cast<int>(c);
        return false;
      }
    }
    return true;
  }

  std::filesystem::path previousFolder_;
  RecordingMessageBox messages_;
  ScopedMessageBox messageBox_;
};

std::u16string Range(char16_t first, char16_t last, std::u16string_view except = u"") {
  std::u16string out;
  for (char16_t c = first; c <= last; ++c) {
    if (except.find(c) == std::u16string_view::npos) out.push_back(c);
  }
  return out;
}

TEST_F(ShippedFonts, EveryFaceLoadsWithItsCharacters) {
  const std::u16string ascii = Range(0x20, 0x7E);
  // Latin-1 but for the pound, section and pilcrow signs, and the diameter sign.
  const std::u16string latin = ascii + Range(0xA0, 0xFF, u"\u00A3\u00A7\u00B6") + u"\u2300";
  struct Case {
    const char16_t* name;
    bool indexed;
    std::u16string characters;
  } cases[] = {
      {u"TXT", false, latin},
      {u"SIMPLEX", true, latin},
      {u"DUPLEX", true, latin},
      {u"SCRIPT", false, ascii + u"\u00B0\u00B1\u2300"},
      {u"GREEK", false,
       Range(0x20, 0x7E, u"YZyz") + Range(0x391, 0x3A9, u"\u03A2") + Range(0x3B1, 0x3C9)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
    const auto path = FontFilePath(c.name);
    ASSERT_TRUE(path);
    const auto bytes = ReadFileBytes(*path);
    ASSERT_TRUE(bytes && bytes->size() > 8);
    const bool indexed = (*bytes)[bytes->size() - 1] == 0xFF && (*bytes)[bytes->size() - 4] == 0xFF;
    EXPECT_EQ(indexed, c.indexed);

    FontRef font(c.name);
    EXPECT_TRUE(HasOwnGlyphs(*font, c.characters));
    EXPECT_FALSE(font->description.empty());
    EXPECT_NEAR(font->lineSpacingFactor, 1.6666666, 1e-6);
    // Every glyph but the spaces has ink.
    for (char16_t ch : c.characters) {
      if (ch == u' ' || ch == 0xA0) continue;  // the spaces have no ink
      const Glyph& glyph = font->glyphs.at(ch);
      EXPECT_FALSE(glyph.lines.empty() && glyph.arcs.empty()) << std::hex << static_cast<int>(ch);
    }
  }
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(ShippedFonts, CapitalsAreOneUnitTallOnTheBaseline) {
  for (const char16_t* name : {u"TXT", u"DUPLEX", u"GREEK"}) {
    FontRef font(name);
    LoadGlyphs(*font, u"H");
    const Glyph& h = font->glyphs.at(u'H');
    float bottom = 1e9f, top = -1e9f;
    for (const LineStroke& line : h.lines) {
      bottom = std::min({bottom, line.y1, line.y2});
      top = std::max({top, line.y1, line.y2});
    }
    EXPECT_NEAR(bottom, 0, 1e-6);
    EXPECT_NEAR(top, 1, 1e-6);
    EXPECT_GT(h.leftExtent, 0);  // the left margin stays before the ink
  }
}

TEST_F(ShippedFonts, DraftingSymbolsUseArcStrokes) {
  FontRef font(u"TXT");
  LoadGlyphs(*font, u"\u00B0\u2300\u00D8");
  EXPECT_EQ(font->glyphs.at(0xB0).arcs.size(), 2u);
  EXPECT_EQ(font->glyphs.at(0x2300).arcs.size(), 2u);
  EXPECT_EQ(font->glyphs.at(0x2300).lines.size(), 1u);
  EXPECT_FALSE(font->glyphs.at(0xD8).lines.empty());
}

TEST_F(ShippedFonts, SequentialAndIndexedFilesOfOneFaceReadAlike) {
  FontRef sequential(u"TXT");
  FontRef indexed(u"SIMPLEX");
  std::u16string all;
  EnsureGlyphIndex(*sequential);
  for (const auto& [code, glyph] : sequential->glyphs) all.push_back(code);
  LoadGlyphs(*sequential, all);
  LoadGlyphs(*indexed, all);
  ASSERT_EQ(indexed->glyphs.size(), sequential->glyphs.size());
  for (char16_t c : all) {
    SCOPED_TRACE(static_cast<int>(c));
    const Glyph& a = sequential->glyphs.at(c);
    const Glyph& b = indexed->glyphs.at(c);
    EXPECT_EQ(a.rightExtent, b.rightExtent);
    EXPECT_EQ(a.leftExtent, b.leftExtent);
    EXPECT_EQ(a.trailingSpace, b.trailingSpace);
    ASSERT_EQ(a.lines.size(), b.lines.size());
    ASSERT_EQ(a.arcs.size(), b.arcs.size());
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
      EXPECT_EQ(a.lines[i].x1, b.lines[i].x1);
      EXPECT_EQ(a.lines[i].y2, b.lines[i].y2);
    }
  }
}

}  // namespace
}  // namespace korvo
