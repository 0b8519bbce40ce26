#include "view/scroll_bars.h"

#include <algorithm>
#include <cstdint>

namespace korvo {
namespace {

int Saturate(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

ScrollBars ComputeScrollBars(const ScreenPoint& limitsMin, const ScreenPoint& limitsMax, int width,
                             int height) {
  // Screen y grows downward: the upper limit has the smaller row, and a window below the
  // top of the limits has scrolled down by as many rows as that row lies above 0.
  const int64_t top = std::min(limitsMax.y, 0);
  ScrollBars bars;
  bars.horizontal = {0, Saturate(std::max(int64_t{width} - 1, int64_t{limitsMax.x} - limitsMin.x)),
                     width, Saturate(-int64_t{limitsMin.x})};
  bars.vertical = {0, Saturate(int64_t{limitsMin.y} - top), height, Saturate(-top)};
  return bars;
}

}  // namespace korvo
