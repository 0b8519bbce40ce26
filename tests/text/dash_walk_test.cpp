#include "text/dash_walk.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace korvo {
namespace {

using Pieces = std::vector<std::pair<double, double>>;

// The dashes a walk hands over, or nothing when the path is to draw continuous.
std::optional<Pieces> Walk(const LineType* type, double scale, double length, DashWindow window) {
  Pieces pieces;
  const bool dashed = WalkDashes(type, scale, length, window,
                                 [&](double from, double to) { pieces.emplace_back(from, to); });
  if (!dashed) {
    EXPECT_TRUE(pieces.empty());
    return std::nullopt;
  }
  return pieces;
}

// A row without pieces draws the path continuous.
TEST(WalkDashes, Paths) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const LineType dashGap(u"DASHED", u"", u"2, -2");
  const LineType withOddLast(u"ODD", u"", u"1, -1, 2");
  const LineType none(u"NONE", u"", u"");
  const LineType single(u"SINGLE", u"", u"3");
  const LineType zeros(u"ZEROS", u"", u"0, 0");
  const LineType zerosOddLast(u"ZEROS", u"", u"0, 0, 3");
  const std::optional<Pieces> continuous;
  struct Case {
    const char* name;
    const LineType* type;
    double scale;
    double length;
    DashWindow window;
    std::optional<Pieces> pieces;
  } cases[] = {
      {"dash gap", &dashGap, 1, 9, {0, 9}, Pieces{{0, 2}, {4, 6}, {8, 9}}},
      {"scaled", &dashGap, 0.5, 4, {0, 4}, Pieces{{0, 1}, {2, 3}, {4, 4}}},
      {"a negative scale walks as its size",
       &dashGap,
       -1,
       9,
       {0, 9},
       Pieces{{0, 2}, {4, 6}, {8, 9}}},
      {"an odd last element is not part of the period",
       &withOddLast,
       1,
       5,
       {0, 5},
       Pieces{{0, 1}, {2, 3}, {4, 5}}},
      // The walk begins at the round before the window (8) and keeps a dash reaching into it.
      {"a window starts at the last round before it",
       &dashGap,
       1,
       20,
       {9, 13},
       Pieces{{8, 10}, {12, 14}}},
      {"a dash ending before the window is skipped", &dashGap, 1, 20, {10.5, 13}, Pieces{{12, 14}}},
      {"no line type", nullptr, 1, 10, {0, 10}, continuous},
      {"no elements", &none, 1, 10, {0, 10}, continuous},
      {"a single element", &single, 1, 10, {0, 10}, continuous},
      {"a pattern that does not advance", &zeros, 1, 10, {0, 10}, continuous},
      {"an odd last element does not make it advance", &zerosOddLast, 1, 10, {0, 10}, continuous},
      {"scale zero", &dashGap, 0, 10, {0, 10}, continuous},
      {"scale not a number", &dashGap, nan, 10, {0, 10}, continuous},
      {"a period past the largest double", &dashGap, 1e308, 10, {0, 10}, continuous},
      {"an endless path", &dashGap, 1, inf, {0, 10}, continuous},
      {"dashes too fine to place along the path", &dashGap, 1, 4e12, {0, 10}, continuous},
      {"one more dash than the limit in the window",
       &dashGap,
       1,
       1e9,
       {0, 4 * (kMaxDashes + 1)},
       continuous},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Walk(c.type, c.scale, c.length, c.window), c.pieces);
  }
}

TEST(WalkDashes, AsManyDashesAsTheLimitAreWalked) {
  const LineType dashGap(u"DASHED", u"", u"3, -2");
  const auto pieces = Walk(&dashGap, 1, 1e9, {0, 5 * kMaxDashes - 1});
  ASSERT_TRUE(pieces.has_value());
  EXPECT_EQ(pieces->size(), static_cast<std::size_t>(kMaxDashes));
  EXPECT_EQ(pieces->back(), std::make_pair(5 * (kMaxDashes - 1), 5 * (kMaxDashes - 1) + 3));
}

}  // namespace
}  // namespace korvo
