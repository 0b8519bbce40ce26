#pragma once

#include <cstdint>

#include "plugin/plugin_api.h"

// The numbers behind the rectangular and polar arrays.
namespace korvo::commandset::editing {

// --- Rectangular array

// The distances between neighbouring copies and the size of the whole array.
struct RectangularSteps {
  double columnStep;
  double rowStep;
  double width;
  double height;
};

// (dx, dy) is the unit cell: one column and one row apart.
RectangularSteps UnitCellSteps(double dx, double dy, int32_t rows, int32_t columns);
// (dx, dy) surrounds the whole array, from the first copy to the last.
RectangularSteps SurrounderSteps(double dx, double dy, int32_t rows, int32_t columns);

// Where the copy in `row` and `column` goes, relative to the source: (column x columnStep,
// row x rowStep) turned by the array's angle.
PluginPoint ArrayOffset(int32_t row, int32_t column, const RectangularSteps& steps, double angle);

// --- Polar array

// How the sheet defines a polar array.
enum class PolarMode : int32_t {
  CountAndFill = 0,  // number of items & filled angle
  StepAndCount = 1,  // angle between items & number of items
  FillAndStep = 2,   // filled angle & angle between items
};

// An answered direction as an angle to fill or between items: into (-pi, pi], with 0 standing
// for the whole circle.
double AngleOfAnswer(double direction);

// The same sweep the other way round the circle.
double ComplementAngle(double angle);

// Whether `count` items `step` apart go once round the circle or more.
bool StepExceedsCircle(double step, int32_t count);
// The step that spreads `count` items evenly over the circle, turning as `step` does.
double EvenStep(double step, int32_t count);

struct PolarPlan {
  enum class Outcome {
    Ready,
    StepIsWholeCircle,  // both angles are the full circle: nothing to spread
    StepTooLarge,       // the step is larger than the angle to fill
  };
  Outcome outcome;
  int32_t count;  // items, the source included
  double step;    // radians from one item to the next
};

PolarPlan PlanPolarArray(PolarMode mode, int32_t count, double fill, double between);

}  // namespace korvo::commandset::editing
