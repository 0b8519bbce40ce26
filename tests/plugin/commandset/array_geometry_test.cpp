#include "plugin/commandset/array_geometry.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace korvo::commandset::editing {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

TEST(RectangularSteps, UnitCellAndSurrounderDescribeTheSameArray) {
  struct Case {
    const char* name;
    RectangularSteps steps;
    RectangularSteps expected;
  } cases[] = {
      {"unit cell 2 x 3, 4 rows, 5 columns", UnitCellSteps(2, 3, 4, 5), {2, 3, 8, 9}},
      {"surrounder 8 x 9, 4 rows, 5 columns", SurrounderSteps(8, 9, 4, 5), {2, 3, 8, 9}},
      {"unit cell, one row", UnitCellSteps(2, 3, 1, 5), {2, 3, 8, 3}},
      {"unit cell, one column", UnitCellSteps(2, 3, 4, 1), {2, 3, 2, 9}},
      {"surrounder, one row", SurrounderSteps(8, 9, 1, 5), {2, 9, 8, 9}},
      {"surrounder, one column", SurrounderSteps(8, 9, 4, 1), {8, 3, 8, 9}},
      {"negative corner", UnitCellSteps(-2, -3, 2, 2), {-2, -3, -2, -3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(c.steps.columnStep, c.expected.columnStep);
    EXPECT_DOUBLE_EQ(c.steps.rowStep, c.expected.rowStep);
    EXPECT_DOUBLE_EQ(c.steps.width, c.expected.width);
    EXPECT_DOUBLE_EQ(c.steps.height, c.expected.height);
  }
}

TEST(ArrayOffset, ColumnsAlongXRowsAlongYTurnedByTheAngle) {
  const RectangularSteps steps{2, 3, 0, 0};
  const PluginPoint straight = ArrayOffset(1, 2, steps, 0);
  EXPECT_DOUBLE_EQ(straight.x, 4);
  EXPECT_DOUBLE_EQ(straight.y, 3);
  const PluginPoint turned = ArrayOffset(1, 2, steps, kPi / 2);
  EXPECT_NEAR(turned.x, -3, 1e-12);
  EXPECT_NEAR(turned.y, 4, 1e-12);
}

TEST(AngleOfAnswer, ZeroIsTheWholeCircle) {
  struct Case {
    const char* name;
    double direction, expected;
  } cases[] = {
      {"zero", 0, 2 * kPi},
      {"quarter", kPi / 2, kPi / 2},
      {"minus quarter", -kPi / 2, -kPi / 2},
      {"half", kPi, kPi},
      {"minus half turns to half", -kPi, kPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AngleOfAnswer(c.direction), c.expected);
  }
}

TEST(ComplementAngle, TheOtherWayRound) {
  EXPECT_DOUBLE_EQ(ComplementAngle(kPi), -kPi);
  EXPECT_DOUBLE_EQ(ComplementAngle(kPi / 2), -3 * kPi / 2);
  EXPECT_DOUBLE_EQ(ComplementAngle(-kPi / 2), 3 * kPi / 2);
}

TEST(StepExceedsCircle, ReachingTheCircleCounts) {
  struct Case {
    const char* name;
    double step;
    int32_t count;
    bool expected;
  } cases[] = {
      {"5 items 100 degrees apart", 100 * kDegree, 5, true},
      {"5 items -100 degrees apart", -100 * kDegree, 5, true},
      {"5 items 90 degrees apart close the circle", kPi / 2, 5, true},
      {"4 items a third of the circle apart", 2 * kPi / 3, 4, true},
      {"5 items 72 degrees apart", 72 * kDegree, 5, false},
      {"2 items half a circle apart", kPi, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(StepExceedsCircle(c.step, c.count), c.expected);
  }
  EXPECT_DOUBLE_EQ(EvenStep(100 * kDegree, 5), 72 * kDegree);
  EXPECT_DOUBLE_EQ(EvenStep(-100 * kDegree, 5), -72 * kDegree);
}

TEST(PlanPolarArray, CountAndStepPerMode) {
  using O = PolarPlan::Outcome;
  struct Case {
    const char* name;
    PolarMode mode;
    int32_t count;
    double fill, between;
    O outcome;
    int32_t items;
    double step;
  } cases[] = {
      {"full circle, 4 items: no item on the first", PolarMode::CountAndFill, 4, 2 * kPi, 1,
       O::Ready, 4, kPi / 2},
      {"half circle, 4 items: both ends used", PolarMode::CountAndFill, 4, kPi, 1, O::Ready, 4,
       kPi / 3},
      {"clockwise quarter, 3 items", PolarMode::CountAndFill, 3, -kPi / 2, 1, O::Ready, 3,
       -kPi / 4},
      {"step and count", PolarMode::StepAndCount, 5, 1, 72 * kDegree, O::Ready, 5, 72 * kDegree},
      {"fill 90, step -30: steps follow the fill", PolarMode::FillAndStep, 9, kPi / 2, -kPi / 6,
       O::Ready, 4, kPi / 6},
      {"fill -90, step 30", PolarMode::FillAndStep, 9, -kPi / 2, kPi / 6, O::Ready, 4, -kPi / 6},
      {"fill 100, step 30 leaves a remainder", PolarMode::FillAndStep, 9, 100 * kDegree, kPi / 6,
       O::Ready, 4, kPi / 6},
      {"both the whole circle", PolarMode::FillAndStep, 9, 2 * kPi, 2 * kPi, O::StepIsWholeCircle,
       0, 0},
      {"step larger than the fill", PolarMode::FillAndStep, 9, kPi / 2, -kPi, O::StepTooLarge, 0,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PolarPlan plan = PlanPolarArray(c.mode, c.count, c.fill, c.between);
    EXPECT_EQ(plan.outcome, c.outcome);
    if (c.outcome != O::Ready) continue;
    EXPECT_EQ(plan.count, c.items);
    EXPECT_NEAR(plan.step, c.step, 1e-12);
  }
}

// Directions taken from points carry rounding: -30 degrees from a point comes out a hair
// larger than pi / 6, and 90 over it a hair below 3.
TEST(PlanPolarArray, RoundedDirectionsStillCountWholeSteps) {
  const double fill = std::atan2(1.0, 0.0);
  const double between = std::atan2(-1.0, std::sqrt(3.0));
  ASSERT_LT(std::fabs(fill) / std::fabs(between), 3.0);
  const PolarPlan plan = PlanPolarArray(PolarMode::FillAndStep, 2, fill, between);
  EXPECT_EQ(plan.count, 4);
}

TEST(PlanPolarArray, TinyStepStopsAtTheLargestCount) {
  const PolarPlan plan = PlanPolarArray(PolarMode::FillAndStep, 2, 2 * kPi, 1e-300);
  EXPECT_EQ(plan.count, 2147483647);
}

}  // namespace
}  // namespace korvo::commandset::editing
