#include <algorithm>
#include <cmath>
#include <utility>

#include "core/drawing.h"
#include "view/view.h"

namespace korvo {
namespace {

bool IsFinite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Keeps the span [origin, origin + extent] inside [low, high]: shifted back first, then cut
// at the high end.
void KeepInside(double& origin, double& extent, double low, double high) {
  if (origin + extent > high) origin = high - extent;
  if (origin < low) origin = low;
  if (origin + extent > high) extent = high - origin;
}

}  // namespace

bool View::ApplyWindow(const Point& origin, const Size& extent, bool takeRecord) {
  // An empty or broken window would map the whole drawing onto nothing. One side of zero is
  // fine: the mapping fits the other.
  if (!IsFinite(origin) || !(extent.width >= 0) || !(extent.height >= 0) ||
      !std::isfinite(extent.width) || !std::isfinite(extent.height) ||
      (extent.width == 0 && extent.height == 0))
    return false;
  DrawingSettings& settings = drawing_.settings;
  if (settings.viewOrigin == origin && settings.viewExtent == extent) return false;
  if (takeRecord && recordSettingsChange) recordSettingsChange();
  settings.viewOrigin = origin;
  settings.viewExtent = extent;
  drawing_.SetModifiedFlag(true);
  // Also when someone else took over the drawing's modified listener.
  InvalidatePicture(PictureBitmap::Keep);
  // Not held back while paints are suspended (a plug-in command waiting for a point): the
  // window would go on showing the old mapping while the cursor and every preview use the new.
  const bool suspended = std::exchange(paintSuspended, false);
  RepaintNow();
  paintSuspended = suspended;
  return true;
}

void View::ZoomAll() {
  const DrawingSettings& settings = drawing_.settings;
  ApplyWindow(
      settings.limitsMin,
      {settings.limitsMax.x - settings.limitsMin.x, settings.limitsMax.y - settings.limitsMin.y},
      true);
}

void View::ZoomWindow(const Point& corner1, const Point& corner2) {
  if (corner1 == corner2) return;
  ApplyWindow(Point(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y)),
              {std::fabs(corner2.x - corner1.x), std::fabs(corner2.y - corner1.y)}, true);
}

void View::ZoomAbout(const Point& center, double factor) {
  const DrawingSettings& settings = drawing_.settings;
  const bool inside = center.x >= settings.limitsMin.x && center.x <= settings.limitsMax.x &&
                      center.y >= settings.limitsMin.y && center.y <= settings.limitsMax.y;
  if (!inside || !(factor > 0) || !std::isfinite(factor)) return;
  const Size visible = VisibleExtent();
  Size extent{visible.width * factor, visible.height * factor};
  Point origin(center.x - extent.width / 2, center.y - extent.height / 2);
  KeepInside(origin.x, extent.width, settings.limitsMin.x, settings.limitsMax.x);
  KeepInside(origin.y, extent.height, settings.limitsMin.y, settings.limitsMax.y);
  ApplyWindow(origin, extent, true);
}

void View::ZoomAt(const ScreenPoint& anchor, double factor) {
  if (!(factor > 0) || !std::isfinite(factor) || window_.width() < 1 || window_.height() < 1)
    return;
  const DrawingSettings& settings = drawing_.settings;
  const Point under = ScreenToWorld(anchor);
  // Every pixel of the window scales alike, since the extent does on both axes.
  const double size = PixelSize() * factor;
  // Below this a pixel no longer tells neighbouring coordinates apart.
  const double smallest = 1e-9 * std::max({1.0, std::fabs(under.x), std::fabs(under.y)});
  if (!(size >= smallest) || !std::isfinite(size)) return;
  const ScreenRect rect = ClientRect();
  Point origin(under.x - (anchor.x - rect.left) * size, under.y - (rect.bottom - anchor.y) * size);
  Size extent{settings.viewExtent.width * factor, settings.viewExtent.height * factor};
  if (factor > 1) {
    KeepInside(origin.x, extent.width, settings.limitsMin.x, settings.limitsMax.x);
    KeepInside(origin.y, extent.height, settings.limitsMin.y, settings.limitsMax.y);
  }
  ApplyWindow(origin, extent, false);
}

void View::ZoomStep(double factor) {
  const DrawingSettings& settings = drawing_.settings;
  ZoomAbout(Point(settings.viewOrigin.x + settings.viewExtent.width / 2,
                  settings.viewOrigin.y + settings.viewExtent.height / 2),
            factor);
}

}  // namespace korvo
