#include "text/line_type.h"

#include <gtest/gtest.h>

#include "text/dash_walk.h"
#include "text/line_type_table.h"

namespace korvo {
namespace {

TEST(ParsePattern, SeparatorsAndDots) {
  struct Case {
    const char* name;
    std::u16string text;
    std::vector<double> pattern;
  } cases[] = {
      {"comma and space", u"2, -2", {2, -2}},
      {"comma alone", u"2,-2", {2, -2}},
      {"spaces alone", u"2 -2", {2, -2}},
      {"dash gap dot gap", u"0.5, -0.25, 0, -0.25", {0.5, -0.25, 0, -0.25}},
      {"no numbers", u"solid", {}},
      {"empty", u"", {}},
      {"stops at garbage", u"1, -1, x, 3", {1, -1}},
      {"exponent", u"1e1,-5E-1", {10, -0.5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParsePattern(c.text), c.pattern);
  }
}

TEST(LineType, PatternLengthIsTheSumOfMagnitudes) {
  EXPECT_EQ(LineType(u"X", u"", u"2, -2").PatternLength(), 4.0);
  EXPECT_EQ(LineType(u"X", u"", u"").PatternLength(), 0.0);
}

TEST(LineType, CopyIsNeverBuiltIn) {
  const LineType copy(ContinuousLineType());
  EXPECT_EQ(copy.builtIn, 0);
  EXPECT_EQ(copy.name, u"CONTINUOUS");
  LineType assigned;
  assigned.CopyFrom(ContinuousLineType());
  EXPECT_EQ(assigned.builtIn, 1);
}

// The pieces a walk produces along a path of `length`, each cut at the path's end.
std::vector<std::pair<double, double>> Walk(const std::vector<double>& pattern, double scale,
                                            double length) {
  std::vector<std::pair<double, double>> pieces;
  DashWalk walk(pattern, scale);
  double start = 0, dash = 0;
  for (walk.BeginWalk(start, dash); start <= length && pieces.size() < 100;
       walk.NextDash(start, dash)) {
    pieces.emplace_back(start, std::min(start + dash, length));
  }
  return pieces;
}

TEST(DashWalk, Patterns) {
  using Pieces = std::vector<std::pair<double, double>>;
  struct Case {
    const char* name;
    std::vector<double> pattern;
    double scale;
    double length;
    Pieces pieces;
  } cases[] = {
      {"dash gap", {2, -2}, 1, 9, {{0, 2}, {4, 6}, {8, 9}}},
      {"scaled", {2, -2}, 0.5, 4, {{0, 1}, {2, 3}, {4, 4}}},
      {"odd last element ignored", {1, -1, 2}, 1, 5, {{0, 1}, {2, 3}, {4, 5}}},
      {"shorter than the first dash", {5, -1}, 1, 3, {{0, 3}}},
      {"dot", {0, -1}, 1, 2, {{0, 0}, {1, 1}, {2, 2}}},
      {"continuous", {}, 1, 7, {{0, 7}}},
      {"scale zero draws continuous", {2, -2}, 0, 7, {{0, 7}}},
      {"all zeros never hangs", {0, 0}, 1, 7, {{0, 7}}},
      {"single element", {3}, 1, 7, {{0, 7}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Walk(c.pattern, c.scale, c.length), c.pieces);
  }
}

TEST(SelectedPattern, FollowsThePixelSize) {
  ResetSelectedPattern(0.5, 2.0);
  ASSERT_EQ(SelectedLineType().pattern.size(), 2u);
  EXPECT_DOUBLE_EQ(SelectedLineType().pattern[0], 0.5 / 2.0 * 2.8284271247462);
  ResetSelectedPattern(0.5, 0.0);  // a scale of 0 counts as 1
  EXPECT_DOUBLE_EQ(SelectedLineType().pattern[1], 0.5 * 2.8284271247462);
}

TEST(LineTypeTable, BuiltInsAreSharedAndSurviveClearing) {
  LineTypeTable table;
  table.AddBuiltIns();
  table.Add(new LineType(u"Dashed", u"", u"1,-1"));
  EXPECT_EQ(table.size(), 4u);
  EXPECT_EQ(table.Find(u"continuous"), &ContinuousLineType());
  EXPECT_NE(table.Find(u"DASHED"), nullptr);
  table.Clear();
  EXPECT_EQ(table.size(), 0u);
  EXPECT_EQ(ContinuousLineType().name, u"CONTINUOUS");  // still alive
}

TEST(LineTypeTable, MergeCopiesOnlyMissingNames) {
  LineTypeTable a, b;
  a.Add(new LineType(u"ONE", u"first", u"1,-1"));
  b.Add(new LineType(u"one", u"other", u"2,-2"));
  b.Add(new LineType(u"TWO", u"", u"3,-3"));
  b.AddBuiltIns();
  a.Merge(b);
  EXPECT_EQ(a.Find(u"ONE")->description, u"first");
  ASSERT_NE(a.Find(u"TWO"), nullptr);
  EXPECT_NE(a.Find(u"TWO"), b.Find(u"TWO"));
  EXPECT_EQ(a.Find(u"BYLAYER"), &ByLayerLineType());
}

}  // namespace
}  // namespace korvo
