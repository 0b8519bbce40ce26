#include "commands/prompt_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "commands/string_table.h"
#include "platform/utf16.h"
#include "tests/support/decimal_comma_locale.h"

namespace korvo {
namespace {

TEST(PromptFormat, FormatsWithPointNumberOrNothing) {
  struct Case {
    const char* name;
    std::u16string_view format;
    PromptValue value;
    std::u16string_view expected;
  } cases[] = {
      {"point default", u"First corner? <%g, %g>", Point(10, 297.5), u"First corner? <10, 297.5>"},
      {"%g keeps six significant digits", u"<%g, %g>", Point(1.0 / 3, 1234567),
       u"<0.333333, 1.23457e+06>"},
      {"negative zero", u"<%g, %g>", Point(-0.0, 0), u"<-0, 0>"},
      {"one number", u"Height? <%g>", 2.5, u"Height? <2.5>"},
      {"no conversion", u"Base point?", std::monostate{}, u"Base point?"},
      {"no conversion, a point given", u"Base point?", Point(1, 2), u"Base point?"},
      {"percent sign", u"100%% <%g>", 3.0, u"100% <3>"},
      {"too few values: the missing one prints nothing", u"<%g, %g>", 7.0, u"<7, >"},
      {"nothing given for two conversions", u"<%g, %g>", std::monostate{}, u"<, >"},
      {"a string conversion is not fed a number", u"[%s] <%g>", Point(1, 2), u"[] <2>"},
      {"an integer conversion takes the number's whole part", u"%d", 7.9, u"7"},
      {"a lone percent at the end stays", u"50%", std::monostate{}, u"50%"},
      {"an unknown conversion prints nothing", u"<%q>", 1.0, u"<>"},
      {"infinity", u"<%g>", std::numeric_limits<double>::infinity(), u"<inf>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatPrompt(c.format, c.value), c.expected);
  }
}

TEST(PromptFormat, FormatsHostStrings) {
  EXPECT_EQ(FormatPrompt(StringId::ViewFirstCornerPrompt, Point(0, 0)), u"First corner? <0, 0>");
  EXPECT_EQ(FormatPrompt(StringId::SelectObjectsPrompt, std::monostate{}),
            u"Select object? <no more>");
  EXPECT_EQ(FormatPrompt(99999, Point(1, 1)), u"");
}

TEST(PromptFormat, Coordinates) {
  struct Case {
    const char* name;
    Point p;
    std::u16string_view expected;
  } cases[] = {
      {"width six, two decimals", Point(3.14159, -2), u"  3.14,  -2.00"},
      {"wider numbers are not cut", Point(12345.678, 0.004), u"12345.68,   0.00"},
      // Printed directly these show 0.37 and 0.00; rounded to millionths first they become
      // 0.375 (an exact half, printed as 0.38) and 0.005 (stored just above the half).
      {"rounded to millionths before printing", Point(0.374999999, 0.0049999996),
       u"  0.38,   0.01"},
      {"a value just below a half", Point(0.0049994, 0), u"  0.00,   0.00"},
      {"huge values are printed whole", Point(1e10, -1e10), u"10000000000.00, -10000000000.00"},
      {"not a number", Point(std::nan(""), 1), u"   nan,   1.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatCoordinates(c.p), c.expected);
  }
}

TEST(PromptFormat, DecimalCommaLocaleStillPrintsPoints) {
  const testing::DecimalCommaLocale locale;
  ASSERT_TRUE(locale.active());
  EXPECT_EQ(FormatCoordinates(Point(1.5, -2.25)), u"  1.50,  -2.25");
  EXPECT_EQ(FormatPrompt(u"<%g, %g>", Point(0.5, 1)), u"<0.5, 1>");
}

}  // namespace
}  // namespace korvo
