#include "cli/json_writer.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/decimal_comma_locale.h"

namespace korvo {
namespace {

std::string NumberText(double value) {
  JsonWriter json;
  json.Number(value);
  return json.text();
}

TEST(JsonWriter, NumbersReadBackExactly) {
  std::mt19937_64 random(3);
  std::vector<double> values = {
      0.1, 1.0 / 3, -0.0, 5e-324, 1.7976931348623157e308, 1e300, 2.5, -7, 123456789.123456789};
  for (int i = 0; i < 2000; ++i) values.push_back(std::bit_cast<double>(random()));
  for (double value : values) {
    if (!std::isfinite(value)) continue;
    const std::string text = NumberText(value);
    SCOPED_TRACE(text);
    double back = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(error, std::errc());
    EXPECT_EQ(end, text.data() + text.size());
    EXPECT_EQ(std::bit_cast<uint64_t>(back), std::bit_cast<uint64_t>(value));
  }
}

TEST(JsonWriter, NumbersIgnoreTheLocale) {
  testing::DecimalCommaLocale locale;
  ASSERT_TRUE(locale.active()) << "no decimal-comma locale could be installed or generated";
  EXPECT_EQ(NumberText(2.5), "2.5");
}

TEST(JsonWriter, ValuesJsonCannotHoldBecomeStrings) {
  EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), "\"NaN\"");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), "\"Infinity\"");
  EXPECT_EQ(NumberText(-std::numeric_limits<double>::infinity()), "\"-Infinity\"");
}

TEST(JsonWriter, StringsAreEscapedWithoutLoss) {
  struct Case {
    const char* name;
    std::u16string text;
    std::string expected;
  } cases[] = {
      {"quote and backslash", u"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"control characters", u"\t\n\x01", "\"\\u0009\\u000a\\u0001\""},
      {"latin and CJK as UTF-8", u"W\u00C4 \u6587", "\"W\xC3\x84 \xE6\x96\x87\""},
      {"a surrogate pair as one character", u"\U0001F600", "\"\xF0\x9F\x98\x80\""},
      {"a lone surrogate kept as its escape", std::u16string(1, char16_t(0xD800)) + u"x",
       "\"\\ud800x\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JsonWriter json;
    json.String(c.text);
    EXPECT_EQ(json.text(), c.expected);
  }
}

TEST(JsonWriter, LaysOutObjectsByLineAndPointsInline) {
  JsonWriter json;
  json.BeginObject();
  json.Member("a", 1);
  json.Member("p", Point(1.5, -2));
  json.Key("list");
  json.BeginArray();
  json.BeginObject();
  json.EndObject();
  json.EndArray();
  json.Key("empty");
  json.BeginArray(JsonWriter::Layout::Inline);
  json.EndArray();
  json.EndObject();
  EXPECT_EQ(json.text(),
            "{\n"
            "  \"a\": 1,\n"
            "  \"p\": [1.5, -2],\n"
            "  \"list\": [\n"
            "    {}\n"
            "  ],\n"
            "  \"empty\": []\n"
            "}\n");
}

}  // namespace
}  // namespace korvo
