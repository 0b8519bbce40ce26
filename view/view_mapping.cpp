#include <algorithm>
#include <cmath>

#include "core/drawing.h"
#include "view/view.h"

namespace korvo {
namespace {

// Far beyond any window, still exact as an integer.
constexpr double kPixelLimit = 268435456.0;  // 2^28

// The view's own rounding: half away from zero, saturating instead of overflowing.
int RoundHalfAway(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::trunc(value + (value >= 0 ? 0.5 : -0.5));
  return static_cast<int>(std::clamp(rounded, -kPixelLimit, kPixelLimit));
}

}  // namespace

ScreenRect View::ClientRect() const {
  return {0, 0, lastClientSize_.x - 1, lastClientSize_.y - 1};
}

double View::PixelSize() const {
  const ScreenRect rect = ClientRect();
  // A window of one pixel row or column counts as one pixel, as in the render context.
  const double w = std::max(rect.right - rect.left, 1);
  const double h = std::max(rect.bottom - rect.top, 1);
  const Size& extent = drawing_.settings.viewExtent;
  const double size = std::max(extent.width / w, extent.height / h);
  return size > 0 && std::isfinite(size) ? size : 1;
}

ScreenPoint View::WorldToScreen(const Point& p) const {
  const ScreenRect rect = ClientRect();
  const Point& origin = drawing_.settings.viewOrigin;
  const double size = PixelSize();
  return {RoundHalfAway((p.x - origin.x) / size) + rect.left,
          rect.bottom - RoundHalfAway((p.y - origin.y) / size)};
}

Point View::ScreenToWorld(int x, int y) const {
  const ScreenRect rect = ClientRect();
  const Point& origin = drawing_.settings.viewOrigin;
  const double size = PixelSize();
  return Point((x - rect.left) * size + origin.x, (rect.bottom - y) * size + origin.y);
}

Size View::VisibleExtent() const {
  const ScreenRect rect = ClientRect();
  const Point low = ScreenToWorld(rect.left, rect.bottom);
  const Point high = ScreenToWorld(rect.right, rect.top);
  return {high.x - low.x, high.y - low.y};
}

}  // namespace korvo
