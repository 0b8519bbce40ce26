#include "exchange/dxf_text.h"

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(EncodeDxfText, WritesEachCodeUnitAsTheFileHoldsIt) {
  struct Case {
    const char* name;
    std::u16string text;
    DxfSpaces spaces;
    std::string expected;
  } cases[] = {
      {"empty string is a lone line feed", u"", DxfSpaces::Keep, "\n"},
      {"plain ASCII", u"Layer-1", DxfSpaces::Keep, "Layer-1\n"},
      {"latin-1 letter is its own byte", u"caf\u00E9", DxfSpaces::Keep, "caf\xE9\n"},
      {"cyrillic letter is escaped", u"\u0416", DxfSpaces::Keep, "\\U+0416\n"},
      {"escape digits are upper case", u"\u00FF\u0100\uABCD", DxfSpaces::Keep,
       "\xFF\\U+0100\\U+ABCD\n"},
      {"spaces kept", u"A B  C", DxfSpaces::Keep, "A B  C\n"},
      {"spaces replaced", u"A B  C", DxfSpaces::Replace, "A_B__C\n"},
      {"line feed in caret notation", u"one\ntwo", DxfSpaces::Keep, "one^Jtwo\n"},
      {"carriage return and tab", u"a\r\tb", DxfSpaces::Keep, "a^M^Ib\n"},
      {"other control characters", std::u16string(u"\x01x\x1F", 3) + u'\0', DxfSpaces::Keep,
       "^Ax^_^@\n"},
      {"a caret stays readable", u"x^J", DxfSpaces::Keep, "x^ J\n"},
      {"delete", u"\x7F", DxfSpaces::Keep, "^?\n"},
      {"a replaced space next to a caret", u"^ ", DxfSpaces::Replace, "^ _\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeDxfText(c.text, c.spaces), c.expected);
  }
}

TEST(EncodeDxfText, AppendsToWhatIsThere) {
  std::string out = "0\n";
  EncodeDxfText(u"A", DxfSpaces::Keep, out);
  EXPECT_EQ(out, "0\nA\n");
}

}  // namespace
}  // namespace korvo
