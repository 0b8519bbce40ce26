#include "plugin/commandset/array_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "plugin/commandset/plane_vector.h"

namespace korvo::commandset::editing {

namespace {

constexpr double kFullCircle = 2 * std::numbers::pi;
// The sum of steps at which a polar array has gone round once, as the check has always used.
constexpr double kCircleReached = 6.2831853071795765;
constexpr double kWholeSlack = 1e-9;

}  // namespace

RectangularSteps UnitCellSteps(double dx, double dy, int32_t rows, int32_t columns) {
  return {dx, dy, columns > 1 ? dx * (columns - 1) : dx, rows > 1 ? dy * (rows - 1) : dy};
}

RectangularSteps SurrounderSteps(double dx, double dy, int32_t rows, int32_t columns) {
  return {columns > 1 ? dx / (columns - 1) : dx, rows > 1 ? dy / (rows - 1) : dy, dx, dy};
}

PluginPoint ArrayOffset(int32_t row, int32_t column, const RectangularSteps& steps, double angle) {
  return Turned({column * steps.columnStep, row * steps.rowStep}, angle);
}

double AngleOfAnswer(double direction) {
  double a = direction;
  if (a <= -std::numbers::pi) a += kFullCircle;
  return a == 0 ? kFullCircle : a;
}

double ComplementAngle(double angle) {
  return angle > 0 ? angle - kFullCircle : angle + kFullCircle;
}

bool StepExceedsCircle(double step, int32_t count) {
  return std::fabs(step) * (static_cast<double>(count) - 1) >= kCircleReached;
}

double EvenStep(double step, int32_t count) {
  const double even = kFullCircle / count;
  return step < 0 ? -even : even;
}

PolarPlan PlanPolarArray(PolarMode mode, int32_t count, double fill, double between) {
  switch (mode) {
    case PolarMode::CountAndFill:
      // A whole circle puts no item on top of the first, so it is cut into `count` steps.
      return {PolarPlan::Outcome::Ready, count,
              fill == kFullCircle ? fill / count : fill / (count - 1)};
    case PolarMode::StepAndCount:
      return {PolarPlan::Outcome::Ready, count, between};
    case PolarMode::FillAndStep:
      break;
  }
  if (between == fill && fill == kFullCircle) return {PolarPlan::Outcome::StepIsWholeCircle, 0, 0};
  if (std::fabs(between) > std::fabs(fill)) return {PolarPlan::Outcome::StepTooLarge, 0, 0};
  // Directions come from points and carry rounding: 90 over 30 degrees may come out a hair
  // below 3, which still means three steps.
  const double items = std::floor(std::fabs(fill) / std::fabs(between) + kWholeSlack) + 1;
  // A tiny step asks for more items than a count holds; the count stops at its largest value.
  const double most = std::numeric_limits<int32_t>::max();
  return {PolarPlan::Outcome::Ready, static_cast<int32_t>(std::min(items, most)),
          std::copysign(std::fabs(between), fill)};
}

}  // namespace korvo::commandset::editing
