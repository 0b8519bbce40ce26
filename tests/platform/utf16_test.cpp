#include "platform/utf16.h"

#include <string>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(ToUpper, MapsLettersOfTheCoveredScripts) {
  struct Case {
    const char* name;
    char16_t in;
    char16_t out;
  } cases[] = {
      {"ascii", u'a', u'A'},
      {"digit unchanged", u'7', u'7'},
      {"e acute", 0xE9, 0xC9},
      {"division sign", 0xF7, 0xF7},
      {"y diaeresis", 0xFF, 0x178},
      {"a macron", 0x101, 0x100},
      {"l acute", 0x13A, 0x139},
      {"z caron", 0x17E, 0x17D},
      {"alpha", 0x3B1, 0x391},
      {"final sigma", 0x3C2, 0x3A3},
      {"omega tonos", 0x3CE, 0x38F},
      {"cyrillic zhe", 0x436, 0x416},
      {"cyrillic io", 0x451, 0x401},
      {"sharp s stays", 0xDF, 0xDF},
      {"full-width a", 0xFF41, 0xFF21},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToUpper(c.in), c.out);
  }
}

TEST(EqualsNoCase, ComparesUnderUpperCasing) {
  EXPECT_TRUE(EqualsNoCase(u"Layer-é", u"LAYER-É"));
  EXPECT_FALSE(EqualsNoCase(u"ab", u"abc"));
  EXPECT_FALSE(EqualsNoCase(u"a", u"b"));
}

TEST(Utf8, RoundTripsEveryPlane) {
  const std::u16string text = u"A\u00e9\u0416\u20ac\U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u00e9"), "\xC3\xA9");
}

TEST(Utf8, InvalidSequencesBecomeReplacementCharacters) {
  struct Case {
    const char* name;
    std::string in;
    std::u16string out;
  } cases[] = {
      {"lone continuation",
       "\x80"
       "a",
       u"\uFFFDa"},
      {"truncated two-byte", "\xC3", u"\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Utf8ToUtf16(c.in), c.out);
  }
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Cp1252, MapsTheHighRangeAndKeepsLatin1) {
  EXPECT_EQ(Cp1252ToUtf16(0x80), 0x20AC);
  EXPECT_EQ(Cp1252ToUtf16(0x9F), 0x178);
  EXPECT_EQ(Cp1252ToUtf16(0x81), 0x81);
  EXPECT_EQ(Cp1252ToUtf16(0xE9), 0xE9);
  EXPECT_EQ(Cp1252ToUtf16(std::string_view("A\x80")), u"A\u20AC");
}

TEST(Utf16, ValidatesUtf8) {
  struct Case {
    const char* name;
    std::string bytes;
    bool valid;
  } cases[] = {
      {"empty", "", true},
      {"ASCII with NUL", std::string("a\0b", 3), true},
      {"two-byte", "\xC3\xA9", true},
      {"three-byte", "\xE2\x82\xAC", true},
      {"four-byte", "\xF0\x9F\x98\x80", true},
      {"highest code point", "\xF4\x8F\xBF\xBF", true},
      {"stray continuation", "\x80", false},
      {"truncated at the end", "a\xE2\x82", false},
      {"over-long slash", "\xC0\xAF", false},
      {"over-long three-byte", "\xE0\x80\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
      {"invalid lead", "\xF8\x88\x80\x80\x80", false},
      {"Latin-1 byte", "caf\xE9", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    // Valid text converts without replacement characters.
    if (c.valid) {
      EXPECT_EQ(Utf8ToUtf16(c.bytes).find(u'\uFFFD'), std::u16string::npos);
    }
  }
}

}  // namespace
}  // namespace korvo
