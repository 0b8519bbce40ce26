#include "plugin/commandset/degree_text.h"

#include <numbers>

#include <gtest/gtest.h>

namespace korvo::commandset::editing {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(DegreeText, TwoDecimalsOrNone) {
  struct Case {
    const char* name;
    double radians;
    const char16_t* expected;
  } cases[] = {
      {"whole", kPi / 2, u"90"},
      {"negative whole", -kPi / 2, u"-90"},
      {"a fifth of the circle", 2 * kPi / 5, u"72"},
      {"a third of 360 rounded from below", 2 * kPi / 3, u"120"},
      {"two decimals", 2 * kPi / 7, u"51.43"},
      {"one decimal still shows two", 22.5 * kPi / 180, u"22.50"},
      {"negative with decimals", -2 * kPi / 7, u"-51.43"},
      {"below one", 0.5 * kPi / 180, u"0.50"},
      {"zero", 0, u"0"},
      {"a negative that rounds to zero", -1e-9, u"0"},
      {"whole circle", 2 * kPi, u"360"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DegreeText(c.radians), c.expected);
  }
}

TEST(FillPlaceholders, ValuesInOrder) {
  EXPECT_EQ(FillPlaceholders(u"%s\n%s", {u"90", u"-270"}), u"90\n-270");
  EXPECT_EQ(FillPlaceholders(u"less than %s and more than %s, %s", {u"1", u"-1", u"0.5"}),
            u"less than 1 and more than -1, 0.5");
  // More placeholders than values keeps the rest; %g is not ours to fill.
  EXPECT_EQ(FillPlaceholders(u"%s %s %g", {u"a"}), u"a %s %g");
  EXPECT_EQ(FillPlaceholders(u"100%", {u"a"}), u"100%");
}

}  // namespace
}  // namespace korvo::commandset::editing
