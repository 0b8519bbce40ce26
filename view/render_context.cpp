#include "view/render_context.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/line_type.h"

namespace korvo {
namespace {

// Pixel offsets beyond this saturate: far outside any device, still exact as integers.
constexpr double kPixelLimit = 268435456.0;  // 2^28

// The highlight pattern, 16-bit rows with the most significant bit leftmost.
constexpr uint16_t kHighlightRows[8] = {0x5555, 0xEEEE, 0x5555, 0xBBBB,
                                        0x5555, 0xEEEE, 0x5555, 0xBBBB};

Brush HighlightPattern(int shiftX, int shiftY) {
  std::array<uint8_t, 8> rows{};
  const int sx = ((shiftX % 16) + 16) % 16;
  const int sy = ((shiftY % 8) + 8) % 8;
  for (int i = 0; i < 8; ++i) {
    const uint32_t row = kHighlightRows[(i + sy) % 8];
    const uint32_t rotated = ((row << sx) | (row >> (16 - sx))) & 0xFFFF;
    // An 8-pixel brush uses the leftmost eight bits of each row.
    rows[static_cast<std::size_t>(i)] = static_cast<uint8_t>(rotated >> 8);
  }
  return Brush::Pattern(rows);
}

}  // namespace

int RoundToPixel(double value) {
  if (std::isnan(value)) return 0;
  // Exact halves round away from zero so that every picture of the same window agrees.
  const double rounded = std::trunc(value + (value >= 0 ? 0.5000000000001 : -0.5000000000001));
  return static_cast<int>(std::clamp(rounded, -kPixelLimit, kPixelLimit));
}

RenderContext::RenderContext(DeviceContext& device, const ScreenRect& deviceRect,
                             const DrawingSettings& drawingSettings, int mode,
                             DrawFilter drawFilter, void* arg1, void* arg2)
    : screenRect(deviceRect),
      origin(drawingSettings.viewOrigin),
      dc(&device),
      settings(&drawingSettings),
      filter(drawFilter),
      filterArg1(arg1),
      filterArg2(arg2),
      highlightBrush(HighlightPattern(0, 0)) {
  // A device of one pixel row or column would divide by zero; it counts as one pixel.
  const double w = std::max(screenRect.right - screenRect.left, 1);
  const double h = std::max(screenRect.bottom - screenRect.top, 1);
  pixelSize = std::max(settings->viewExtent.width / w, settings->viewExtent.height / h);
  // An empty or broken view window would map everything onto one pixel or nowhere.
  if (!(pixelSize > 0) || !std::isfinite(pixelSize)) pixelSize = 1;
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  // Pictures are drawn on white or on black only; any other device background counts as
  // black, so that the colour rules of entity drawing see one of the two.
  backgroundColor = dc->backgroundColor() == kWhite ? kWhite : 0;
  gridColor = backgroundColor == kWhite ? 0xE0E0E0 : 0x101010;
  upperRight = ScreenToWorld(screenRect.right, screenRect.top);
  const ScreenPoint low = WorldToScreen(settings->limitsMin);
  const ScreenPoint high = WorldToScreen(settings->limitsMax);
  limitsRect = {std::max(low.x, screenRect.left), std::max(high.y, screenRect.top),
                std::min(high.x, screenRect.right) + 1, std::min(low.y, screenRect.bottom) + 1};
  drawMode = -1;
  SetDrawMode(mode);
  ResetSelectedPattern(pixelSize, settings->linetypeScale);
}

int RenderContext::SetDrawMode(int mode) {
  const int previous = drawMode;
  drawMode = mode;
  if (mode == DrawMode::Normal) dc->SetRasterOp(RasterOp::Copy);
  if (mode == DrawMode::HighlightXor || mode == DrawMode::SelectedXor || mode == DrawMode::Xor)
    dc->SetRasterOp(RasterOp::Xor);
  return previous;
}

bool RenderContext::IsXorMode() const {
  return drawMode == DrawMode::HighlightXor || drawMode == DrawMode::SelectedXor ||
         drawMode == DrawMode::Xor;
}

ScreenPoint RenderContext::WorldToScreen(const Point& p) const {
  return {RoundToPixel((p.x - origin.x) / pixelSize) + screenRect.left,
          screenRect.bottom - RoundToPixel((p.y - origin.y) / pixelSize)};
}

void RenderContext::WorldToScreenMany(std::span<const Point> points,
                                      std::span<ScreenPoint> out) const {
  const std::size_t n = std::min(points.size(), out.size());
  for (std::size_t i = 0; i < n; ++i) out[i] = WorldToScreen(points[i]);
}

Point RenderContext::ScreenToWorld(int x, int y) const {
  return Point((x - screenRect.left) * pixelSize + origin.x,
               (screenRect.bottom - y) * pixelSize + origin.y);
}

void RenderContext::DrawScreenLine(int x1, int y1, int x2, int y2) {
  const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int stepX = dx < 0 ? -1 : 1, stepY = dy < 0 ? -1 : 1;
  int64_t endX = x2, endY = y2;
  // The device leaves out the last pixel of a line; extend by one so that the end shows.
  if (adx > ady) {
    endX += stepX;
  } else if (ady > adx) {
    endY += stepY;
  } else if (adx == 0) {
    endX += 1;
  } else {
    endX += stepX;
    endY += stepY;
  }
  const auto toInt = [](int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  dc->MoveTo(x1, y1);
  dc->LineTo(toInt(endX), toInt(endY));
}

void RenderContext::DrawScreenFrame(const ScreenPoint& p1, const ScreenPoint& p2) {
  const ScreenPoint path[5] = {p1, {p2.x, p1.y}, p2, {p1.x, p2.y}, p1};
  dc->Polyline(path);
}

void RenderContext::FillBackground() {
  // A fill replaces whatever is there, whatever the current raster operation.
  const RasterOp previous = dc->SetRasterOp(RasterOp::Copy);
  dc->FillRect({screenRect.left, screenRect.top, screenRect.right + 2, screenRect.bottom + 2},
               Brush::Solid(backgroundColor));
  dc->SetRasterOp(previous);
}

void RenderContext::MakeHighlightBrush(int shiftX, int shiftY) {
  highlightBrush = HighlightPattern(shiftX, shiftY);
}

}  // namespace korvo
