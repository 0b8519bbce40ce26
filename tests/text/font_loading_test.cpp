#include "text/font_loading.h"

#include <gtest/gtest.h>

#include "platform/program_folder.h"
#include "platform/utf16.h"
#include "tests/text/font_test_folder.h"

namespace korvo {
namespace {

using test::IndexedFont;
using test::Record;
using test::SequentialFont;

const Record kA{u'A', 1.0f, {{0.1f, 0, 0.7f, 1}}, {}};
const Record kB{u'B', 0.8f, {{0, 0, 0.6f, 0}}, {}};
const Record kSpace{u' ', 0.5f, {}, {}};
const Record kQuestion{u'?', 0.9f, {{0, 0, 0.5f, 1}}, {}};
// The default font differs from every test font, so it shows when it stands in.
const Record kTxtZ{u'Z', 0.6f, {{0, 0, 0.6f, 1}}, {}};

class FontLoading : public test::FontFolderTest {
 protected:
  std::u16string Message(std::u16string_view list) {
    return u"Loading font failure!\nFonts:" + std::u16string(list) + u"\n";
  }
};

TEST_F(FontLoading, AcquiringTouchesNoFile) {
  FontRef font(u"ABSENT");
  EXPECT_FALSE(font->loaded);
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(FontLoading, IndexOnFirstLookupStrokesOnlyForTheStringLaidOut) {
  for (const bool indexed : {false, true}) {
    SCOPED_TRACE(indexed ? "indexed" : "sequential");
    WriteFont("LAZY.kcdfnt", indexed ? IndexedFont({kA, kB, kQuestion})
                                     : SequentialFont(2.0f, {kA, kB, kQuestion}));
    FontRef font(u"Lazy");
    Glyph* a = GetGlyph(*font, u'A');
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(font->loaded);
    EXPECT_FALSE(a->StrokesRead());
    EXPECT_DOUBLE_EQ(font->lineSpacingFactor, indexed ? 1.6666666 : 2.0);

    LoadGlyphs(*font, u"A");
    EXPECT_TRUE(GetGlyph(*font, u'A')->StrokesRead());
    EXPECT_EQ(GetGlyph(*font, u'A')->lines.size(), 1u);
    EXPECT_FALSE(GetGlyph(*font, u'B')->StrokesRead());

    // Read glyphs need the file no more.
    RemoveFont("LAZY.kcdfnt");
    LoadGlyphs(*font, u"AAA");
    EXPECT_TRUE(messages_.Messages().empty());
  }
}

TEST_F(FontLoading, LookupRules) {
  WriteFont("RULES.kcdfnt", SequentialFont(1.0f, {kA, kSpace, kQuestion}));
  WriteFont("NOQ.kcdfnt", SequentialFont(1.0f, {kA, kSpace}));
  FontRef rules(u"RULES");
  FontRef noQuestion(u"NOQ");
  const Glyph* question = GetGlyph(*rules, u'?');
  const Glyph* space = GetGlyph(*rules, u' ');
  struct Case {
    const char* name;
    StrokeFont* font;
    char16_t code;
    const Glyph* metrics;  // GetGlyph
    const Glyph* drawn;    // GetLayoutGlyph
  } cases[] = {
      {"own glyph", rules.get(), u'A', GetGlyph(*rules, u'A'), GetGlyph(*rules, u'A')},
      {"missing code answers the question mark", rules.get(), u'x', question, question},
      {"code 0 answers the question mark", rules.get(), 0, question, question},
      {"ideographic space has no metrics glyph but draws as space", rules.get(), 0x3000, nullptr,
       space},
      {"no question mark, no answer", noQuestion.get(), u'x', nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetGlyph(*c.font, c.code), c.metrics);
    EXPECT_EQ(GetLayoutGlyph(*c.font, c.code), c.drawn);
  }
  LoadGlyphs(*rules, u"\u3000x");
  EXPECT_TRUE(GetGlyph(*rules, u' ')->StrokesRead());
  EXPECT_TRUE(GetGlyph(*rules, u'?')->StrokesRead());
  EXPECT_FALSE(GetGlyph(*rules, u'A')->StrokesRead());
}

TEST_F(FontLoading, DamagedRecordFallsBackToTheQuestionMark) {
  // The index entry of "B" points at the middle of the record of "A".
  WriteFont("HURT.kcdfnt", IndexedFont({kA, kQuestion}, {{u'B', 10}}));
  FontRef font(u"HURT");
  ASSERT_NE(GetGlyph(*font, u'B'), GetGlyph(*font, u'?'));
  LoadGlyphs(*font, u"B");
  EXPECT_FALSE(font->glyphs.contains(u'B'));
  EXPECT_EQ(GetLayoutGlyph(*font, u'B'), GetGlyph(*font, u'?'));
  EXPECT_TRUE(GetGlyph(*font, u'?')->StrokesRead());
}

TEST_F(FontLoading, MissingFileFallsBackToTheDefaultFontAndSaysSoOnce) {
  WriteFont("TXT.kcdfnt", SequentialFont(1.25f, {kTxtZ}, "Default\n"));
  FontRef font(u"Nope");
  LoadGlyphs(*font, u"ZZZ");
  LoadGlyphs(*font, u"ZZ");
  EXPECT_EQ(font->name, u"Nope");
  EXPECT_EQ(font->description, u"Default");
  EXPECT_DOUBLE_EQ(font->lineSpacingFactor, 1.25);
  ASSERT_NE(GetGlyph(*font, u'Z'), nullptr);
  EXPECT_TRUE(GetGlyph(*font, u'Z')->StrokesRead());
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, Message(u"\n\tNope"));
  EXPECT_EQ(messages_.Messages()[0].icon, MessageIcon::Exclamation);

  // A name is reported once per process, whatever its letter case.
  FontRef again(u"NOPE");
  FontRef other(u"Other");
  LoadGlyphs(*again, u"Z");
  LoadGlyphs(*other, u"Z");
  ASSERT_EQ(messages_.Messages().size(), 2u);
  EXPECT_EQ(messages_.Messages()[1].text, Message(u"\n\tOther"));
}

TEST_F(FontLoading, WithoutTheDefaultFontTheFontStaysEmpty) {
  struct Case {
    const char* name;
    std::u16string font;
    std::u16string list;
  } cases[] = {
      {"another font", u"Gone", u"\n\tGone\n\tTXT"},
      {"the default font itself", u"txt", u"\n\ttxt"},
      {"a name that is a path", u"../FONTS/TXT", u"\n\t../FONTS/TXT\n\tTXT"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFontFailureReports();
    messages_.Clear();
    FontRef font(c.font);
    LoadGlyphs(*font, u"AB");
    EXPECT_TRUE(font->loaded);
    EXPECT_TRUE(font->glyphs.empty());
    EXPECT_EQ(GetGlyph(*font, u'A'), nullptr);
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text, Message(c.list));
  }
}

TEST_F(FontLoading, FileGoneBeforeTheStrokesAreReadFallsBackAsWell) {
  WriteFont("TXT.kcdfnt", SequentialFont(1.0f, {kTxtZ}));
  WriteFont("BRIEF.kcdfnt", SequentialFont(1.0f, {kA, kQuestion}));
  FontRef font(u"BRIEF");
  ASSERT_NE(GetGlyph(*font, u'A'), GetGlyph(*font, u'?'));
  RemoveFont("BRIEF.kcdfnt");
  LoadGlyphs(*font, u"AZ");
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, Message(u"\n\tBRIEF"));
  // Glyph places in the old file mean nothing in the default font: its own index is read.
  EXPECT_FALSE(font->glyphs.contains(u'A'));
  ASSERT_TRUE(font->glyphs.contains(u'Z'));
  EXPECT_TRUE(font->glyphs.at(u'Z').StrokesRead());
}

TEST_F(FontLoading, FileNamesCompareWithoutLetterCase) {
  WriteFont("Mixed.KCDFNT", SequentialFont(1.0f, {kB}));
  FontRef font(u"mIXED");
  EXPECT_NE(GetGlyph(*font, u'B'), nullptr);
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(FontLoading, DefaultFolderIsFontsBesideTheProgram) {
  const std::filesystem::path previous = SetFontFolder({});
  EXPECT_EQ(FontFolder().filename(), "FONTS");
  EXPECT_EQ(FontFolder().parent_path(), ProgramFolder());
  SetFontFolder(previous);
  EXPECT_EQ(FontFolder(), Folder());
}

}  // namespace
}  // namespace korvo
