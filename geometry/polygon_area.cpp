#include "geometry/polygon_area.h"

namespace korvo {

long long TwiceSignedArea(std::span<const ScreenPoint> polygon) {
  long long sum = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const ScreenPoint& a = polygon[i];
    const ScreenPoint& b = polygon[(i + 1) % polygon.size()];
    sum += static_cast<long long>(a.x) * b.y - static_cast<long long>(b.x) * a.y;
  }
  return sum;
}

}  // namespace korvo
