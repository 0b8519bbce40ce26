#include <climits>

#include "core/drawing.h"
#include "view/picture.h"
#include "view/view.h"

namespace korvo {

void View::Paint() {
  // A window that shows nothing valid (new, resized) is painted even while paints are
  // suspended: holding that back would leave it blank.
  if (paintSuspended && !windowInvalid_) {
    paintDeferred = true;
    return;
  }
  if (window_.width() < 1 || window_.height() < 1) return;
  windowBackground_ = BackgroundColor();
  if (!EnsureOffscreenBitmap()) return;  // the window keeps what it shows; the next paint retries
  DeviceContext memory(*offscreen_);
  memory.SetBackgroundColor(windowBackground_);
  memory.SetTextColor(windowBackground_ ^ kWhite);
  const ScreenPoint tile = TileOrigin();
  if (needsRegen_)
    Regenerate(memory, tile);
  else
    UpdateHighlight(memory);
  CopyTileToWindow(tile);
  windowInvalid_ = false;
  if (cursorVisible_) {
    drawnCursor_ = CurrentCursorShape();
    DrawCursorShape(drawnCursor_);
  }
  scrollBars_ = ComputeScrollBars(WorldToScreen(drawing_.settings.limitsMin),
                                  WorldToScreen(drawing_.settings.limitsMax), window_.width(),
                                  window_.height());
  thumbScroll_ = false;
}

bool View::EnsureOffscreenBitmap() {
  if (offscreen_) return true;
  const int w = window_.width(), h = window_.height();
  if (w <= INT_MAX / 3 && h <= INT_MAX / 3)
    offscreen_ = Bitmap::TryCreate(3 * w, 3 * h, 0, bitmapByteLimit);
  tripleBitmap_ = offscreen_ != nullptr;
  if (!offscreen_) offscreen_ = Bitmap::TryCreate(w, h, 0, bitmapByteLimit);
  // A new picture has nothing in it yet.
  needsRegen_ = true;
  return offscreen_ != nullptr;
}

ScreenPoint View::TileOrigin() const {
  return tripleBitmap_ ? ScreenPoint{window_.width(), window_.height()} : ScreenPoint{0, 0};
}

void View::PreparePass(DrawingSettings& settings, ScreenRect& rect) const {
  rect = {0, 0, window_.width(), window_.height()};  // right and bottom one past
  if (tripleBitmap_) {
    // The picture reaches one window beyond the visible one on every side: its lower-left
    // pixel lies one window left of and below the window's.
    const Point low = ScreenToWorld(rect.left - rect.right, 2 * (rect.bottom - rect.top) - 1);
    const Point high = ScreenToWorld(2 * (rect.right - rect.left) - 1, rect.top - rect.bottom);
    settings.viewOrigin = low;
    settings.viewExtent = {high.x - low.x, high.y - low.y};
    rect = {rect.left, rect.top, 3 * (rect.right - rect.left), 3 * (rect.bottom - rect.top)};
  }
  --rect.right;
  --rect.bottom;
}

namespace {

// The pattern of selected filled entities starts at the picture's (0, 0) but must line up
// with the window's, which is one window in.
void AlignHighlightBrush(RenderContext& rc, int width, int height) {
  rc.MakeHighlightBrush((4 - width % 4) % 4, (4 - height % 4) % 4);
}

}  // namespace

void View::Regenerate(DeviceContext& memory, const ScreenPoint& tile) {
  DrawingSettings settings = drawing_.settings;
  ScreenRect rect;
  PreparePass(settings, rect);
  RenderContext rc(memory, rect, settings, DrawMode::Normal);
  rc.lineWeightScale = 0;  // every pen on the screen is one pixel wide
  if (tripleBitmap_) AlignHighlightBrush(rc, window_.width(), window_.height());
  rc.FillBackground();
  // The user sees the empty window at once rather than the old picture while this one draws;
  // a drag keeps showing the tiles it slides.
  if (!dragging_) CopyTileToWindow(tile);
  DrawPicture(drawing_, rc);
  const Pen pen = memory.SelectPen({PenStyle::Solid, GridPenColor(rc.backgroundColor)});
  const RasterOp op = memory.SetRasterOp(RasterOp::Xor);
  DrawGrid(rc);
  memory.SetRasterOp(op);
  memory.SelectPen(pen);
  needsRegen_ = false;
  drawing_.newlySelected.clear();
  drawing_.newlyDeselected.clear();
}

void View::UpdateHighlight(DeviceContext& memory) {
  if (drawing_.newlySelected.empty() && drawing_.newlyDeselected.empty()) return;
  DrawingSettings settings = drawing_.settings;
  ScreenRect rect;
  PreparePass(settings, rect);
  RenderContext rc(memory, rect, settings, DrawMode::Normal);
  rc.lineWeightScale = 0;
  if (tripleBitmap_) AlignHighlightBrush(rc, window_.width(), window_.height());
  DrawHighlightChanges(drawing_, rc);
}

void View::CopyTileToWindow(const ScreenPoint& tile) {
  ++windowGeneration_;
  DeviceContext dc(window_);
  dc.BitBlt(0, 0, window_.width() + 1, window_.height() + 1, *offscreen_, tile.x, tile.y,
            BlitOp::SourceCopy);
}

}  // namespace korvo
