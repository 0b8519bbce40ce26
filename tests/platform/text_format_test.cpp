#include "platform/text_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "tests/support/decimal_comma_locale.h"

namespace korvo {
namespace {

void ExpectLocaleIndependentResults() {
  EXPECT_EQ(FormatFixed(1.5), "1.500000");
  EXPECT_EQ(FormatFixed(-0.25, 2), "-0.25");
  EXPECT_EQ(FormatShortest(0.1), "0.1");
  EXPECT_EQ(FormatMessage(u"%g,%g", {2.5, -1.0}), u"2.5,-1");
  EXPECT_EQ(FormatMessage(u"%lf", {3.25}), u"3.250000");
  const auto parsed = ParseNumber(std::string_view("  -2.5e1, 7"));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->value, -25.0);
  EXPECT_EQ(parsed->length, 8u);
}

TEST(TextFormat, ResultsDoNotDependOnTheLocale) {
  ExpectLocaleIndependentResults();
  testing::DecimalCommaLocale comma;
  ASSERT_TRUE(comma.active()) << "no decimal-comma locale could be installed or generated";
  ExpectLocaleIndependentResults();
}

TEST(FormatShortest, ReadsBackExactly) {
  for (double value : {0.1, 1.0 / 3.0, 6.283185307179586, 1e-300, -123456789.125, 5e-324}) {
    const std::string text = FormatShortest(value);
    const auto parsed = ParseNumber(std::string_view(text));
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(parsed->value, value) << text;
  }
}

TEST(ParseNumber, FollowsScanfDoubleRules) {
  struct Case {
    const char* name;
    const char* in;
    bool ok;
    double value;
    std::size_t length;
  } cases[] = {
      {"plus sign", "+3", true, 3, 2},
      {"leading point", ".5", true, 0.5, 2},
      {"trailing point", "4.", true, 4, 2},
      {"exponent", "1e3x", true, 1000, 3},
      {"not a number", "x1", false, 0, 0},
      {"sign alone", "-", false, 0, 0},
      {"double sign", "+-1", false, 0, 0},
      {"overflow to infinity", "1e999", true, std::numeric_limits<double>::infinity(), 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto parsed = ParseNumber(std::string_view(c.in));
    ASSERT_EQ(parsed.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(parsed->value, c.value);
      EXPECT_EQ(parsed->length, c.length);
    }
  }
}

TEST(FormatMessage, Conversions) {
  struct Case {
    const char* name;
    std::u16string format;
    std::vector<FormatArg> args;
    std::u16string out;
  } cases[] = {
      {"integer", u"Undetermined element code: %d", {int64_t{6}}, u"Undetermined element code: 6"},
      {"string and integer", u"%s%d", {std::u16string_view(u"*FLD"), int64_t{2}}, u"*FLD2"},
      {"hex", u"%X", {uint64_t{0x700}}, u"700"},
      {"width", u"%6d", {int64_t{256}}, u"   256"},
      {"percent", u"100%%", {}, u"100%"},
      {"missing argument prints nothing", u"a%db", {}, u"ab"},
      {"mismatched argument prints nothing", u"a%sb", {int64_t{1}}, u"ab"},
      {"non-finite", u"%g", {std::nan("")}, u"nan"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatMessage(c.format, c.args), c.out);
  }
}

}  // namespace
}  // namespace korvo
