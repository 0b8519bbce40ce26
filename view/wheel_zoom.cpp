#include "view/wheel_zoom.h"

#include <cmath>

namespace korvo {
namespace {

constexpr double kNotchFactor = 1.25;
constexpr double kNotch = 120;

}  // namespace

double WheelZoomFactor(int angleDelta) {
  // Fine-grained wheels send parts of a notch; their sum zooms as the whole notch would.
  return std::pow(kNotchFactor, -angleDelta / kNotch);
}

}  // namespace korvo
