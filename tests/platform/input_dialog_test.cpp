#include "platform/input_dialog.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace korvo {
namespace {

InputDialogRequest Request(bool hasBase, DialogPoint base, DialogPoint defaultPoint,
                           uint32_t flags = 0) {
  InputDialogRequest request;
  request.hasBase = hasBase;
  request.base = base;
  request.defaultPoint = defaultPoint;
  request.flags = flags;
  request.description = u"End point of line";
  return request;
}

TEST(InputDialogModel, OffersModesByBaseAndFlags) {
  using M = InputDialogMode;
  struct Case {
    const char* name;
    bool hasBase;
    uint32_t flags;
    std::vector<M> modes;
    std::vector<std::u16string> captions;  // of the first mode
  } cases[] = {
      {"no base", false, 0, {M::Absolute}, {u"X:", u"Y:"}},
      {"base", true, 0, {M::Absolute, M::Relative, M::Polar}, {u"X:", u"Y:"}},
      {"base but the no-base bit", true, kPointNoBase, {M::Absolute}, {u"X:", u"Y:"}},
      {"angle question", true, kPointShowAngle, {M::Angle}, {u"A:"}},
      {"distance question", true, kPointShowDistance, {M::Distance}, {u"L:"}},
      {"angle wins over distance", true, kPointShowAngle | kPointShowDistance, {M::Angle}, {u"A:"}},
      {"angle bit without base", false, kPointShowAngle, {M::Absolute}, {u"X:", u"Y:"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(c.hasBase, {1, 1}, {4, 5}, c.flags));
    EXPECT_EQ(model.Modes(), c.modes);
    EXPECT_EQ(model.Mode(), c.modes.front());
    ASSERT_EQ(model.RowCount(), c.captions.size());
    for (std::size_t i = 0; i < c.captions.size(); ++i)
      EXPECT_EQ(model.RowCaption(i), c.captions[i]);
  }
  InputDialogModel noBase(Request(false, {}, {}));
  EXPECT_FALSE(noBase.SetMode(InputDialogMode::Relative));
  EXPECT_FALSE(noBase.SetMode(InputDialogMode::Polar));
}

TEST(InputDialogModel, RowsStartFromTheDefaultPoint) {
  // Base (1, 1), default (4, 5): offsets 3 and 4, length 5, angle atan2(4, 3).
  struct Case {
    const char* name;
    InputDialogMode mode;
    std::u16string first;
    std::u16string second;
  } cases[] = {
      {"absolute", InputDialogMode::Absolute, u"4", u"5"},
      {"relative", InputDialogMode::Relative, u"3", u"4"},
      {"polar", InputDialogMode::Polar, u"53.1301", u"5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(true, {1, 1}, {4, 5}));
    ASSERT_TRUE(model.SetMode(c.mode));
    EXPECT_EQ(model.RowText(0), c.first);
    EXPECT_EQ(model.RowText(1), c.second);
  }
  InputDialogModel model(Request(true, {1, 1}, {4, 5}));
  model.SetMode(InputDialogMode::Relative);
  EXPECT_EQ(model.RowLabel(0), u"dX");
  EXPECT_EQ(InputDialogModel::ModeLabel(model.Mode()), u"Relative");
  EXPECT_EQ(InputDialogModel::ModeLabel(InputDialogMode::Polar), u"Polar");
}

TEST(InputDialogModel, TypedValuesGiveThePoint) {
  using M = InputDialogMode;
  struct Case {
    const char* name;
    DialogPoint base;
    DialogPoint defaultPoint;
    uint32_t flags;
    M mode;
    std::u16string first;
    std::u16string second;  // unused for one-row modes
    DialogPoint expected;
  } cases[] = {
      {"absolute", {1, 1}, {4, 5}, 0, M::Absolute, u"-2.5", u"1e2", {-2.5, 100}},
      {"relative", {1, 1}, {4, 5}, 0, M::Relative, u"-2", u"0.5", {-1, 1.5}},
      {"polar up", {1, 1}, {4, 5}, 0, M::Polar, u"90", u"2", {1, 3}},
      {"polar left", {1, 1}, {4, 5}, 0, M::Polar, u"180", u"1", {0, 1}},
      {"polar down, written negative", {1, 1}, {4, 5}, 0, M::Polar, u"-90", u"3", {1, -2}},
      {"polar full turn", {1, 1}, {4, 5}, 0, M::Polar, u"720", u"2", {3, 1}},
      {"polar negative length", {0, 0}, {4, 5}, 0, M::Polar, u"0", u"-2", {-2, 0}},
      // The point at that angle at the default point's distance (5) from the base.
      {"angle", {0, 0}, {3, 4}, kPointShowAngle, M::Angle, u"90", u"", {0, 5}},
      {"angle, default on the base",
       {2, 2},
       {2, 2},
       kPointShowAngle,
       M::Angle,
       u"180",
       u"",
       {1, 2}},
      // The point at that distance along base -> default (3, 4 is a 3-4-5 direction).
      {"distance", {1, 1}, {4, 5}, kPointShowDistance, M::Distance, u"10", u"", {7, 9}},
      {"distance, default on the base",
       {1, 1},
       {1, 1},
       kPointShowDistance,
       M::Distance,
       u"2",
       u"",
       {3, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(true, c.base, c.defaultPoint, c.flags));
    ASSERT_TRUE(model.SetMode(c.mode));
    ASSERT_TRUE(model.SetRowText(0, c.first));
    if (model.RowCount() == 2) {
      ASSERT_TRUE(model.SetRowText(1, c.second));
    }
    const auto point = model.Accept();
    ASSERT_TRUE(point.has_value())
        << std::string(model.ErrorMessage().begin(), model.ErrorMessage().end());
    EXPECT_EQ(point->x, c.expected.x);
    EXPECT_EQ(point->y, c.expected.y);
  }
}

TEST(InputDialogModel, PolarAtOtherAnglesFollowsTheCircle) {
  InputDialogModel model(Request(true, {1, 2}, {0, 0}));
  model.SetMode(InputDialogMode::Polar);
  model.SetRowText(0, u"30");
  model.SetRowText(1, u"2");
  const auto point = model.Accept();
  ASSERT_TRUE(point.has_value());
  EXPECT_NEAR(point->x, 1 + std::sqrt(3.0), 1e-12);
  EXPECT_NEAR(point->y, 3, 1e-12);
}

TEST(InputDialogModel, UntouchedRowsGiveTheirPointExactly) {
  // 0.1 and 0.7 do not survive a trip through an angle and a length; the dialog must still
  // hand back the default when the user only presses OK.
  const DialogPoint base{0.3, 0.2};
  const DialogPoint defaultPoint{0.1, 0.7};
  for (InputDialogMode mode :
       {InputDialogMode::Absolute, InputDialogMode::Relative, InputDialogMode::Polar}) {
    SCOPED_TRACE(static_cast<int>(mode));
    InputDialogModel model(Request(true, base, defaultPoint));
    model.SetMode(mode);
    const auto point = model.Accept();
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(point->x, 0.1);
    EXPECT_EQ(point->y, 0.7);
  }
  // Editing one row keeps the exact value of the other.
  InputDialogModel model(Request(false, {}, {0.1, 1.0 / 3.0}));
  model.SetRowText(0, u"2");
  const auto point = model.Accept();
  ASSERT_TRUE(point.has_value());
  EXPECT_EQ(point->y, 1.0 / 3.0);
}

TEST(InputDialogModel, SwitchingModesCarriesThePoint) {
  InputDialogModel model(Request(true, {1, 1}, {4, 5}));
  model.SetRowText(0, u"11");
  model.SetRowText(1, u"1");
  ASSERT_TRUE(model.SetMode(InputDialogMode::Polar));
  EXPECT_EQ(model.RowText(0), u"0");
  EXPECT_EQ(model.RowText(1), u"10");
  // A row that does not read falls back to the default point.
  model.SetRowText(1, u"oops");
  ASSERT_TRUE(model.SetMode(InputDialogMode::Relative));
  EXPECT_EQ(model.RowText(0), u"3");
  EXPECT_EQ(model.RowText(1), u"4");
}

TEST(InputDialogModel, RowsByLabelSwitchToTheirMode) {
  InputDialogModel model(Request(true, {1, 1}, {4, 5}));
  EXPECT_TRUE(model.SetRowTextByLabel(u"dy", u"2"));
  EXPECT_EQ(model.Mode(), InputDialogMode::Relative);
  EXPECT_EQ(model.FindRow(u"DX"), std::optional<std::size_t>(0));
  EXPECT_FALSE(model.SetRowTextByLabel(u"Z", u"2"));
  EXPECT_FALSE(model.SetRowTextByLabel(u"dX:", u"2")) << "labels are given without the colon";
  const auto point = model.Accept();
  ASSERT_TRUE(point.has_value());
  EXPECT_EQ(point->x, 4);
  EXPECT_EQ(point->y, 3);

  InputDialogModel noBase(Request(false, {}, {}));
  EXPECT_FALSE(noBase.SetRowTextByLabel(u"L", u"2"));
  EXPECT_EQ(noBase.Mode(), InputDialogMode::Absolute);
}

TEST(InputDialogModel, AnglesShowToATenThousandthOfADegree) {
  struct Case {
    const char* name;
    double value;
    std::u16string angle;
    std::u16string length;
  } cases[] = {
      {"whole", 90, u"90", u"90"},
      {"long fraction", 33.69006752597979, u"33.6901", u"33.690068"},
      {"rounds up", 359.99996, u"360", u"359.99996"},
      {"tiny positive", 0.00004, u"0", u"0.00004"},
      {"tiny negative, no minus zero", -0.00004, u"0", u"-0.00004"},
      {"below the length step", -4e-7, u"0", u"0"},
      {"sum with binary noise", 0.1 + 0.2, u"0.3", u"0.3"},
      {"negative", -135.00004999, u"-135", u"-135.00005"},
      {"large", 123456789.123456789, u"123456789.1235", u"123456789.123457"},
      {"too long for fixed notation", 1e300, u"1e+300", u"1e+300"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(InputDialogModel::FormatAngle(c.value), c.angle);
    EXPECT_EQ(InputDialogModel::FormatLength(c.value), c.length);
  }
}

TEST(InputDialogModel, BadTextIsRefusedWithAMessage) {
  struct Case {
    const char* name;
    std::u16string text;
    std::u16string message;
  } cases[] = {
      {"empty", u"", u"Enter a value for X."},
      {"blanks only", u"  ", u"Enter a value for X."},
      {"letters", u"abc", u"X: \"abc\" is not a number."},
      {"two numbers", u"3 4", u"X: \"3 4\" is not a number."},
      {"decimal comma", u"1,5", u"X: \"1,5\" is not a number."},
      {"trailing unit", u"5mm", u"X: \"5mm\" is not a number."},
      {"infinity", u"inf", u"X: the value is out of range."},
      {"not a number", u"nan", u"X: the value is out of range."},
      {"overflow", u"1e999", u"X: the value is out of range."},
      {"full-width digit", u"\uFF15", u"X: \"\uFF15\" is not a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(false, {}, {1, 2}));
    model.SetRowText(0, c.text);
    EXPECT_FALSE(model.Accept().has_value());
    EXPECT_EQ(model.ErrorMessage(), c.message);
  }
  InputDialogModel padded(Request(false, {}, {1, 2}));
  padded.SetRowText(0, u" 7\t");
  ASSERT_TRUE(padded.Accept().has_value());
  EXPECT_TRUE(padded.ErrorMessage().empty());
}

TEST(InputDialogModel, PointsBeyondTheDoublesAreRefused) {
  InputDialogModel model(Request(true, {1e308, 0}, {0, 0}));
  model.SetMode(InputDialogMode::Relative);
  model.SetRowText(0, u"1e308");
  EXPECT_FALSE(model.Accept().has_value());
  EXPECT_EQ(model.ErrorMessage(), u"The point is out of range.");
  EXPECT_FALSE(model.ErrorRow().has_value());
}

TEST(InputDialogModel, TheRefusalNamesTheRowThatDoesNotRead) {
  struct Case {
    const char* name;
    std::u16string first;  // empty: left as shown
    std::u16string second;
    std::size_t row;
  } cases[] = {
      {"first row", u"x", u"", 0},
      {"second row while the first is untouched", u"", u"y", 1},
      {"second row after a good first", u"3", u"", 1},
      {"both bad: the first is named", u"x", u"y", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(false, {}, {1, 2}));
    if (!c.first.empty()) model.SetRowText(0, c.first);
    if (!c.second.empty() || c.row == 1) model.SetRowText(1, c.second);
    EXPECT_FALSE(model.Accept().has_value());
    EXPECT_EQ(model.ErrorRow(), c.row);
    model.SetRowText(c.row, u"5");
    if (c.row == 0 && !c.second.empty()) model.SetRowText(1, u"6");
    EXPECT_TRUE(model.Accept().has_value());
    EXPECT_FALSE(model.ErrorRow().has_value());
  }
}

TEST(InputDialogModel, TypedTextGoesIntoTheRowsItFits) {
  using M = InputDialogMode;
  struct Case {
    const char* name;
    bool hasBase;
    uint32_t flags;
    std::u16string typed;
    M mode;
    std::u16string first;
    std::u16string second;  // of a two-row mode
  } cases[] = {
      {"a pair fills X and Y", false, 0, u"30,40", M::Absolute, u"30", u"40"},
      {"a pair with a base switches back to absolute", true, 0, u" 30, 40 ", M::Absolute, u"30",
       u" 40"},
      {"one number goes into the first row", false, 0, u"12.5", M::Absolute, u"12.5", u"2"},
      {"an angle question takes the number", true, kPointShowAngle, u"45", M::Angle, u"45", u""},
      {"a pair does not fit a distance question", true, kPointShowDistance, u"3,4", M::Distance,
       u"3,4", u""},
      {"blanks only change nothing", false, 0, u"  ", M::Absolute, u"1", u"2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    InputDialogModel model(Request(c.hasBase, {0, 0}, {1, 2}, c.flags));
    if (c.hasBase && c.flags == 0) model.SetMode(M::Polar);
    model.TakeTypedText(c.typed);
    EXPECT_EQ(model.Mode(), c.mode);
    EXPECT_EQ(model.RowText(0), c.first);
    EXPECT_EQ(model.RowText(1), c.second);
  }
  InputDialogModel pair(Request(false, {}, {0, 0}));
  pair.TakeTypedText(u"30,40");
  const auto point = pair.Accept();
  ASSERT_TRUE(point.has_value());
  EXPECT_EQ(point->x, 30);
  EXPECT_EQ(point->y, 40);
}

}  // namespace
}  // namespace korvo
