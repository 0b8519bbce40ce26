#include <algorithm>
#include <cstdint>

#include "core/drawing.h"
#include "view/view.h"

namespace korvo {

void View::BeginDrag(const ScreenPoint& start) {
  // The tiles that slide into view must show the drawing as it is now.
  if (needsRegen_) Paint();
  dragging_ = true;
  dragStart_ = start;
}

ScreenPoint View::ClampedDragOffset(const ScreenPoint& point) const {
  // Beyond one window there is no pre-rendered picture to slide in.
  const int64_t w = window_.width(), h = window_.height();
  return {static_cast<int>(std::clamp(int64_t{point.x} - dragStart_.x, -w, w)),
          static_cast<int>(std::clamp(int64_t{point.y} - dragStart_.y, -h, h))};
}

void View::DragTo(const ScreenPoint& point) {
  if (!dragging_ || !offscreen_) return;
  const ScreenPoint offset = ClampedDragOffset(point);
  const ScreenPoint tile = TileOrigin();
  ++windowGeneration_;
  DeviceContext dc(window_);
  // A picture of the window alone leaves uncovered what was dragged in.
  if (!tripleBitmap_)
    dc.FillRect({0, 0, window_.width(), window_.height()}, Brush::Solid(BackgroundColor()));
  dc.BitBlt(0, 0, window_.width(), window_.height(), *offscreen_, tile.x - offset.x,
            tile.y - offset.y, BlitOp::SourceCopy);
}

void View::EndDrag(const ScreenPoint& point, DragEnd end) {
  if (!dragging_) return;
  const ScreenPoint offset = ClampedDragOffset(point);
  dragging_ = false;
  if (end == DragEnd::Pan && offset != ScreenPoint{}) {
    // The world point under the pen's start moves to where the pen ended: the window moves
    // the other way, and screen y grows downward.
    const double size = PixelSize();
    const Point origin = drawing_.settings.viewOrigin;
    if (ApplyWindow(Point(origin.x - offset.x * size, origin.y + offset.y * size),
                    drawing_.settings.viewExtent, false))
      return;
  }
  RepaintNow();
}

}  // namespace korvo
