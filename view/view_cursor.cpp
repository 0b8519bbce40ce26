#include "core/drawing.h"
#include "view/view.h"

namespace korvo {
namespace {

constexpr uint32_t kCursorColor = kWhite;  // XOR with white inverts whatever lies beneath

}  // namespace

void View::ShowCursor(bool visible, const ScreenPoint& screen) {
  if (visible == cursorVisible_) return;
  if (visible) {
    cursorRaw_ = ScreenToWorld(screen);
    cursorWorld_ = snapCursor ? snapCursor(cursorRaw_) : cursorRaw_;
    drawnCursor_ = CurrentCursorShape();
  }
  DrawCursorShape(drawnCursor_);
  cursorVisible_ = visible;
}

void View::ShowCursorAtWorld(bool visible, const Point& world) {
  if (visible == cursorVisible_) return;
  if (visible) {
    cursorRaw_ = world;
    cursorWorld_ = snapCursor ? snapCursor(cursorRaw_) : cursorRaw_;
    drawnCursor_ = CurrentCursorShape();
  }
  DrawCursorShape(drawnCursor_);
  cursorVisible_ = visible;
}

void View::SetCursorStyle(CursorStyle style) {
  if (style == cursorStyle_) return;
  if (cursorVisible_) DrawCursorShape(drawnCursor_);
  cursorStyle_ = style;
  if (cursorVisible_) {
    drawnCursor_ = CurrentCursorShape();
    DrawCursorShape(drawnCursor_);
  }
}

View::CursorShape View::CurrentCursorShape() const {
  CursorShape shape;
  shape.at = WorldToScreen(cursorWorld_);
  shape.style = cursorStyle_;
  const DrawingSettings& settings = drawing_.settings;
  if (cursorStyle_ == CursorStyle::Crosshair && (settings.objectSnap || settings.intersectionSnap))
    shape.squareHalfSize = cursorAperture_;
  else if (cursorStyle_ == CursorStyle::PickBox)
    shape.squareHalfSize = pickBoxSize_;
  return shape;
}

void View::DrawCursorShape(const CursorShape& shape) {
  if (shape.style == CursorStyle::None || window_.width() < 1 || window_.height() < 1) return;
  DeviceContext dc(window_);
  dc.SelectPen({PenStyle::Solid, kCursorColor});
  dc.SetRasterOp(RasterOp::Xor);
  const int x = shape.at.x, y = shape.at.y;
  if (shape.style == CursorStyle::Crosshair) {
    // Lines leave out their last pixel: each ends one beyond the window's edge. The vertical
    // line skips the crossing so that the cursor's own pixel shows rather than cancels.
    dc.MoveTo(0, y);
    dc.LineTo(window_.width(), y);
    dc.MoveTo(x, 0);
    dc.LineTo(x, y);
    dc.MoveTo(x, y + 1);
    dc.LineTo(x, window_.height());
  }
  if (shape.squareHalfSize > 0) {
    const int a = shape.squareHalfSize;
    const ScreenPoint frame[5] = {
        {x - a, y - a}, {x + a, y - a}, {x + a, y + a}, {x - a, y + a}, {x - a, y - a}};
    dc.Polyline(frame);
  }
}

}  // namespace korvo
