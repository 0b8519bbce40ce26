#include "platform/property_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "platform/utf16.h"

namespace korvo {
namespace {

constexpr double kSmallest = 2.2250738585072014e-308;
constexpr double kLargest = 1.7976931348623157e308;
constexpr char16_t kPointModes[] =
    u"0\n1\n2\n3\n4\n32\n33\n34\n35\n36\n64\n65\n66\n67\n68\n96\n97\n98\n99\n100";

// The values a sheet edits, as a caller keeps them.
struct Values {
  char16_t name[8] = u"abc";
  int32_t count = 3;
  int32_t rows = 2;
  double size = 1.5;
  double spacing = 5;
  uint8_t frame = 0;
  uint8_t grid = 1;
  int32_t mode = 7;
};

// One row of every kind, in this order.
void AddAll(PropertySheetModel& sheet, Values& v) {
  ASSERT_TRUE(sheet.AddTextRow(u"Name:", v.name, 7));
  ASSERT_TRUE(sheet.AddIntRow(u"Segments per spline patch:", &v.count));
  ASSERT_TRUE(sheet.AddIntRangeRow(u"Rows:", &v.rows, 1, 100));
  ASSERT_TRUE(sheet.AddDoubleRow(u"Size:", &v.size));
  ASSERT_TRUE(sheet.AddDoubleRangeRow(u"Spacing:", &v.spacing, kSmallest, kLargest));
  ASSERT_TRUE(sheet.AddYesNoRow(u"Display Spline Frame:", &v.frame));
  ASSERT_TRUE(sheet.AddChoiceRow(u"Drawing grid, Mode:", &v.grid, u"ON", u"OFF"));
  ASSERT_TRUE(sheet.AddListRow(u"Point display, Mode:", &v.mode, kPointModes));
}

TEST(PropertySheetModel, ShowsTheCallersValues) {
  Values v;
  PropertySheetModel sheet(u"Drawing Settings", u"SETTINGS");
  AddAll(sheet, v);
  EXPECT_EQ(sheet.Title(), u"Drawing Settings");
  EXPECT_EQ(sheet.Name(), u"SETTINGS");
  ASSERT_EQ(sheet.RowCount(), 8u);
  const char16_t* shown[] = {u"abc", u"3", u"2", u"1.5", u"5", u"No", u"ON", u"34"};
  for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(sheet.RowText(i), shown[i]) << i;
  EXPECT_EQ(sheet.RowOptions(5), (std::vector<std::u16string>{u"Yes", u"No"}));
  EXPECT_EQ(sheet.RowOptions(6), (std::vector<std::u16string>{u"ON", u"OFF"}));
  EXPECT_EQ(sheet.RowOptions(7).size(), 20u);
  EXPECT_TRUE(sheet.RowOptions(1).empty());
  EXPECT_EQ(sheet.RowKind(7), PropertyRowKind::List);
  EXPECT_FALSE(sheet.RowKind(8));
  EXPECT_EQ(sheet.RowMaxLength(0), 7);
  EXPECT_FALSE(sheet.RowMaxLength(1).has_value());
  EXPECT_FALSE(sheet.RowMaxLength(8).has_value());
}

// Each case types one text into one row and presses OK.
TEST(PropertySheetModel, TypedTextsReachTheCallerOnlyOnOk) {
  struct Case {
    const char* name;
    std::size_t row;
    std::u16string typed;
    std::function<bool(const Values&)> written;
  } cases[] = {
      {"text", 0, u"wall", [](const Values& v) { return std::u16string(v.name) == u"wall"; }},
      {"text of the maximum length", 0, u"1234567",
       [](const Values& v) { return std::u16string(v.name) == u"1234567"; }},
      {"empty text", 0, u"", [](const Values& v) { return v.name[0] == 0; }},
      {"integer", 1, u" -12 ", [](const Values& v) { return v.count == -12; }},
      {"zero segments", 1, u"0", [](const Values& v) { return v.count == 0; }},
      {"smallest integer", 1, u"-2147483648",
       [](const Values& v) { return v.count == std::numeric_limits<int32_t>::min(); }},
      {"range bound", 2, u"100", [](const Values& v) { return v.rows == 100; }},
      {"double", 3, u"2.5e1", [](const Values& v) { return v.size == 25; }},
      {"smallest normal spacing", 4, u"2.2250738585072014e-308",
       [](const Values& v) { return v.spacing == kSmallest; }},
      {"yes by text", 5, u"yes", [](const Values& v) { return v.frame == 1; }},
      {"yes by number", 5, u"1", [](const Values& v) { return v.frame == 1; }},
      {"choice by text", 6, u"off", [](const Values& v) { return v.grid == 0; }},
      {"choice by number", 6, u"0", [](const Values& v) { return v.grid == 0; }},
      {"item text before index", 7, u"34", [](const Values& v) { return v.mode == 7; }},
      {"item text", 7, u"100", [](const Values& v) { return v.mode == 19; }},
      {"index when no item has the text", 7, u"5", [](const Values& v) { return v.mode == 5; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values v;
    PropertySheetModel sheet(u"T", u"N");
    AddAll(sheet, v);
    ASSERT_TRUE(sheet.SetRowText(c.row, c.typed));
    ASSERT_TRUE(sheet.Accept()) << Utf16ToUtf8(sheet.ErrorMessage());
    EXPECT_TRUE(c.written(v));
  }
}

TEST(PropertySheetModel, CancelWritesNothing) {
  Values v;
  PropertySheetModel sheet(u"T", u"N");
  AddAll(sheet, v);
  for (std::size_t i = 0; i < sheet.RowCount(); ++i) sheet.SetRowText(i, u"1");
  sheet.Discard();
  EXPECT_EQ(std::u16string(v.name), u"abc");
  EXPECT_EQ(v.count, 3);
  EXPECT_EQ(v.size, 1.5);
  EXPECT_EQ(v.frame, 0);
  EXPECT_EQ(v.mode, 7);
  // What was typed is gone: the rows show the values again.
  EXPECT_EQ(sheet.RowText(3), u"1.5");
}

TEST(PropertySheetModel, RefusesTextsTheRowCannotHold) {
  struct Case {
    const char* name;
    std::size_t row;
    std::u16string typed;
    std::u16string message;
  } cases[] = {
      {"text too long", 0, u"12345678", u"Name: the text is longer than 7 characters."},
      {"empty number", 1, u"  ", u"Enter a value for Segments per spline patch."},
      {"fraction for an integer", 1, u"2.5",
       u"Segments per spline patch: \"2.5\" is not a whole number."},
      {"integer too large", 1, u"2147483648",
       u"Segments per spline patch: \"2147483648\" is out of range."},
      {"integer far too large", 1, u"-99999999999999999999",
       u"Segments per spline patch: \"-99999999999999999999\" is out of range."},
      {"below an integer range", 2, u"0", u"Rows: enter a whole number from 1 to 100."},
      {"not a number", 3, u"1,5", u"Size: \"1,5\" is not a number."},
      {"trailing text", 3, u"3 mm", u"Size: \"3 mm\" is not a number."},
      {"infinity", 3, u"inf", u"Size: \"inf\" is not a finite number."},
      {"overflow", 3, u"1e999", u"Size: \"1e999\" is not a finite number."},
      {"not a number at all", 3, u"nan", u"Size: \"nan\" is not a finite number."},
      {"zero spacing", 4, u"0",
       u"Spacing: enter a value from 2.2250738585072014e-308 to 1.7976931348623157e+308."},
      {"negative spacing", 4, u"-5",
       u"Spacing: enter a value from 2.2250738585072014e-308 to 1.7976931348623157e+308."},
      {"unknown choice", 6, u"maybe", u"Drawing grid, Mode: \"maybe\" is not one of the choices."},
      {"two-way row takes only 1 or 0", 5, u"2",
       u"Display Spline Frame: \"2\" is not one of the choices."},
      {"index past the items", 7, u"20", u"Point display, Mode: \"20\" is not one of the items."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values v;
    PropertySheetModel sheet(u"T", u"N");
    AddAll(sheet, v);
    sheet.SetRowText(0, u"new");
    sheet.SetRowText(c.row, c.typed);
    EXPECT_FALSE(sheet.Accept());
    EXPECT_EQ(sheet.ErrorMessage(), c.message);
    EXPECT_EQ(sheet.ErrorRow(), c.row);
    // Nothing reached the caller, not even the rows that did read.
    EXPECT_EQ(std::u16string(v.name), u"abc");
    EXPECT_EQ(v.count, 3);
    EXPECT_EQ(v.spacing, 5);
    // The sheet stays open: a corrected text is taken.
    sheet.SetRowText(c.row, sheet.RowOptions(c.row).empty() ? u"1" : sheet.RowOptions(c.row)[0]);
    EXPECT_TRUE(sheet.Accept());
    EXPECT_TRUE(sheet.ErrorMessage().empty());
    EXPECT_FALSE(sheet.ErrorRow().has_value());
  }
}

TEST(PropertySheetModel, ValuesTheRowsCannotHoldMustBeRetyped) {
  struct Case {
    const char* name;
    std::function<void(Values&)> spoil;
    std::size_t row;
    std::u16string message;
  } cases[] = {
      {"zero spacing", [](Values& v) { v.spacing = 0; }, 4,
       u"Spacing: enter a value from 2.2250738585072014e-308 to 1.7976931348623157e+308."},
      {"infinite size", [](Values& v) { v.size = INFINITY; }, 3,
       u"Size: the value is not a finite number."},
      {"list index outside the items", [](Values& v) { v.mode = -1; }, 7,
       u"Point display, Mode: choose one of the items."},
      {"integer outside its range", [](Values& v) { v.rows = 0; }, 2,
       u"Rows: enter a whole number from 1 to 100."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values v;
    c.spoil(v);
    PropertySheetModel sheet(u"T", u"N");
    AddAll(sheet, v);
    EXPECT_FALSE(sheet.Accept());
    EXPECT_EQ(sheet.ErrorMessage(), c.message);
    EXPECT_EQ(sheet.ErrorRow(), c.row);
    sheet.SetRowText(c.row, u"1");
    EXPECT_TRUE(sheet.Accept());
  }
}

TEST(PropertySheetModel, TextBuffersAreNeverReadOrWrittenPastTheirLength) {
  // Eight characters without a terminator, then a canary: only the first four are the row's.
  char16_t buffer[10] = {u'a', u'b', u'c', u'd', u'e', u'f', u'g', u'h', u'#', u'#'};
  PropertySheetModel sheet(u"T", u"N");
  ASSERT_TRUE(sheet.AddTextRow(u"Name", buffer, 4));
  EXPECT_EQ(sheet.RowText(0), u"abcd");
  ASSERT_TRUE(sheet.SetRowText(0, u"xy"));
  ASSERT_TRUE(sheet.Accept());
  EXPECT_EQ(std::u16string(buffer, 3), std::u16string(u"xy\0", 3));
  EXPECT_EQ(buffer[5], u'f');  // past the new terminator, within the buffer: untouched
  EXPECT_EQ(buffer[8], u'#');
  EXPECT_EQ(buffer[9], u'#');

  // Without a buffer the row keeps its own text.
  PropertySheetModel own(u"T", u"N");
  ASSERT_TRUE(own.AddTextRow(u"Name", nullptr, 3));
  EXPECT_EQ(own.RowText(0), u"");
  ASSERT_TRUE(own.SetRowText(0, u"abc"));
  ASSERT_TRUE(own.Accept());
  EXPECT_EQ(own.GetText(0), u"abc");
}

TEST(PropertySheetModel, RefusesRowsItCannotHold) {
  int32_t i = 0;
  double d = 0;
  PropertySheetModel sheet(u"T", u"N");
  EXPECT_FALSE(sheet.AddTextRow(u"A", nullptr, -1));
  EXPECT_FALSE(sheet.AddIntRangeRow(u"A", &i, 5, 4));
  EXPECT_FALSE(sheet.AddDoubleRangeRow(u"A", &d, 1, 0));
  EXPECT_FALSE(sheet.AddDoubleRangeRow(u"A", &d, NAN, 1));
  EXPECT_FALSE(sheet.AddListRow(u"A", &i, u""));
  EXPECT_EQ(sheet.RowCount(), 0u);
  // A final line feed ends the last item rather than adding an empty one.
  ASSERT_TRUE(sheet.AddListRow(u"A", &i, u"one\r\ntwo\n"));
  EXPECT_EQ(sheet.RowOptions(0), (std::vector<std::u16string>{u"one", u"two"}));
}

TEST(PropertySheetModel, SettersAndGettersServeTheirOwnKindOfRow) {
  Values v;
  PropertySheetModel sheet(u"T", u"N");
  AddAll(sheet, v);
  const std::u16string on = u"AN", off = u"AUS";
  const std::u16string_view items = u"a\nb\nc";
  struct Case {
    const char* name;
    std::function<bool()> call;
    bool accepted;
  } cases[] = {
      {"text", [&] { return sheet.SetText(0, u"1234567"); }, true},
      {"text too long", [&] { return sheet.SetText(0, u"12345678"); }, false},
      {"text into an integer row", [&] { return sheet.SetText(1, u"1"); }, false},
      {"integer", [&] { return sheet.SetInt(1, -4); }, true},
      {"integer into a range row", [&] { return sheet.SetInt(2, 4); }, false},
      {"integer range", [&] { return sheet.SetIntRange(2, 40, 10, 50); }, true},
      {"integer outside its new range", [&] { return sheet.SetIntRange(2, 9, 10, 50); }, false},
      {"double", [&] { return sheet.SetDouble(3, 0.25); }, true},
      {"double not finite", [&] { return sheet.SetDouble(3, NAN); }, false},
      {"double range", [&] { return sheet.SetDoubleRange(4, 2, 1, 3); }, true},
      {"double range reversed", [&] { return sheet.SetDoubleRange(4, 2, 3, 1); }, false},
      {"yes/no", [&] { return sheet.SetYesNo(5, 1); }, true},
      {"yes/no into a choice row", [&] { return sheet.SetYesNo(6, 1); }, false},
      {"choice with texts", [&] { return sheet.SetChoice(6, 0, &on, &off); }, true},
      {"list with items", [&] { return sheet.SetList(7, 2, &items); }, true},
      {"list index past its items", [&] { return sheet.SetList(7, 3, nullptr); }, false},
      {"row out of range", [&] { return sheet.SetInt(8, 1); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(), c.accepted);
  }
  EXPECT_EQ(sheet.GetText(0), u"1234567");
  EXPECT_EQ(sheet.GetInt(1), -4);
  EXPECT_EQ(sheet.GetInt(2), 40);
  EXPECT_EQ(sheet.GetDouble(3), 0.25);
  EXPECT_EQ(sheet.GetDouble(4), 2);
  EXPECT_EQ(sheet.GetFlag(5), 1);
  EXPECT_EQ(sheet.GetFlag(6), 0);
  EXPECT_EQ(sheet.RowText(6), u"AUS");
  EXPECT_EQ(sheet.GetIndex(7), 2);
  EXPECT_EQ(sheet.RowText(7), u"c");
  EXPECT_FALSE(sheet.GetInt(3));
  EXPECT_FALSE(sheet.GetDouble(1));
  EXPECT_FALSE(sheet.GetFlag(7));
  EXPECT_FALSE(sheet.GetIndex(1));
  EXPECT_FALSE(sheet.GetText(8));
  // The setters change the working copies only; OK writes them.
  EXPECT_EQ(v.count, 3);
  ASSERT_TRUE(sheet.Accept());
  EXPECT_EQ(v.count, -4);
  EXPECT_EQ(v.rows, 40);
  EXPECT_EQ(v.spacing, 2);
  EXPECT_EQ(v.mode, 2);
  EXPECT_EQ(std::u16string(v.name), u"1234567");
}

TEST(PropertySheetModel, FindsRowsByLabelWithoutRegardToCaseOrColon) {
  Values v;
  double second = 2.5;
  PropertySheetModel sheet(u"T", u"N");
  AddAll(sheet, v);
  ASSERT_TRUE(sheet.AddDoubleRangeRow(u"Spacing:", &second, kSmallest, kLargest));
  EXPECT_EQ(sheet.FindRow(u"spacing:"), 4u);
  EXPECT_EQ(sheet.FindRow(u"SPACING"), 4u);  // the first of two rows with that label
  EXPECT_EQ(sheet.FindRow(u"Point display, mode"), 7u);
  EXPECT_FALSE(sheet.FindRow(u"Spacing::"));
  EXPECT_FALSE(sheet.FindRow(u"Grid"));
}

TEST(PropertySheetModel, PickingAnOptionIsNotConfusedByItsText) {
  int32_t index = 0;
  PropertySheetModel sheet(u"T", u"N");
  // Two options read "1": typing it would choose the first, picking takes the very option.
  ASSERT_TRUE(sheet.AddListRow(u"Order", &index, u"1\n0\n1"));
  ASSERT_TRUE(sheet.SetRowOption(0, 2));
  EXPECT_EQ(sheet.RowText(0), u"1");
  ASSERT_TRUE(sheet.Accept());
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(sheet.SetRowOption(0, 3));
}

}  // namespace
}  // namespace korvo
