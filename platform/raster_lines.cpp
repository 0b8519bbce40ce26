#include "platform/line_walk.h"
#include "platform/raster_device.h"

namespace korvo {

Pen DeviceContext::SelectPen(const Pen& pen) {
  const Pen previous = pen_;
  pen_ = pen;
  return previous;
}

Brush DeviceContext::SelectBrush(const Brush& brush) {
  const Brush previous = brush_;
  brush_ = brush;
  return previous;
}

RasterOp DeviceContext::SetRasterOp(RasterOp op) {
  const RasterOp previous = rasterOp_;
  rasterOp_ = op;
  return previous;
}

uint32_t DeviceContext::SetBackgroundColor(uint32_t color) {
  const uint32_t previous = backgroundColor_;
  backgroundColor_ = color & kColorBits;
  return previous;
}

uint32_t DeviceContext::SetTextColor(uint32_t color) {
  const uint32_t previous = textColor_;
  textColor_ = color & kColorBits;
  return previous;
}

BackgroundMode DeviceContext::SetBackgroundMode(BackgroundMode mode) {
  const BackgroundMode previous = backgroundMode_;
  backgroundMode_ = mode;
  return previous;
}

void DeviceContext::MoveTo(int x, int y) {
  position_ = {x, y};
  styleCounter_ = 0;
}

void DeviceContext::LineTo(int x, int y) {
  DrawLinePixels(position_.x, position_.y, x, y);
  position_ = {x, y};
}

void DeviceContext::Polyline(std::span<const ScreenPoint> points) {
  if (points.empty()) return;
  MoveTo(points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].x, points[i].y);
}

void DeviceContext::DrawLinePixels(int x0, int y0, int x1, int y1) {
  Bitmap& target = *bitmap_;
  uint32_t* const pixels = target.Row(0);
  const std::size_t stride = static_cast<std::size_t>(target.width());
  const auto at = [&](int x, int y) -> uint32_t& {
    return pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)];
  };
  const uint32_t color = pen_.color & kColorBits;
  const bool xorOp = rasterOp_ == RasterOp::Xor;
  int64_t steps = 0;
  if (pen_.style == PenStyle::Null) {
    steps = raster::WalkLine(x0, y0, x1, y1, 0, 0, [](int64_t, int, int) {});
  } else if (pen_.style == PenStyle::Solid) {
    if (xorOp)
      steps = raster::WalkLine(x0, y0, x1, y1, target.width(), target.height(),
                               [&](int64_t, int x, int y) { at(x, y) ^= color; });
    else
      steps = raster::WalkLine(x0, y0, x1, y1, target.width(), target.height(),
                               [&](int64_t, int x, int y) { at(x, y) = color; });
  } else {
    const int64_t base = styleCounter_;
    const bool opaque = backgroundMode_ == BackgroundMode::Opaque;
    const uint32_t gapColor = backgroundColor_;
    steps = raster::WalkLine(x0, y0, x1, y1, target.width(), target.height(),
                             [&](int64_t i, int x, int y) {
                               if (((base + i) & 1) == 0)
                                 Apply(at(x, y), color);
                               else if (opaque)
                                 Apply(at(x, y), gapColor);
                             });
  }
  styleCounter_ += steps;
}

}  // namespace korvo
