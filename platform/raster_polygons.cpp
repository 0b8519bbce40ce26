#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "platform/line_walk.h"
#include "platform/raster_device.h"

namespace korvo {
namespace {

struct OutlinePixel {
  int y;
  int x;
  bool penOn;  // false for the gaps of a dotted pen
  friend bool operator<(const OutlinePixel& a, const OutlinePixel& b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
  }
};

// The outline pixels inside the bitmap, each once, sorted by row and column.
std::vector<OutlinePixel> CollectOutline(std::span<const ScreenPoint> points, int width, int height,
                                         bool dotted) {
  std::vector<OutlinePixel> outline;
  int64_t step = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ScreenPoint& from = points[i];
    const ScreenPoint& to = points[(i + 1) % points.size()];
    const int64_t base = step;
    step +=
        raster::WalkLine(from.x, from.y, to.x, to.y, width, height, [&](int64_t s, int x, int y) {
          outline.push_back({y, x, !dotted || ((base + s) & 1) == 0});
        });
  }
  if (step == 0 && !points.empty()) {
    // Every point is the same pixel: the polygon is that pixel.
    const ScreenPoint& p = points[0];
    if (p.x >= 0 && p.y >= 0 && p.x < width && p.y < height) outline.push_back({p.y, p.x, true});
  }
  std::sort(outline.begin(), outline.end());
  // A pixel reached twice (a degenerate or self-touching outline) is drawn once, with the
  // pen when any visit had it on.
  std::vector<OutlinePixel> unique;
  unique.reserve(outline.size());
  for (const OutlinePixel& p : outline) {
    if (!unique.empty() && unique.back().y == p.y && unique.back().x == p.x)
      unique.back().penOn = unique.back().penOn || p.penOn;
    else
      unique.push_back(p);
  }
  return unique;
}

// An edge of the outline; it covers the rows from its upper end up to, not including, its
// lower end.
struct Edge {
  double x0, y0, x1, y1;
  int64_t firstRow, lastRow;
};

// The edges that cover any row, sorted by their first row.
std::vector<Edge> CollectEdges(std::span<const ScreenPoint> points) {
  std::vector<Edge> edges;
  edges.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ScreenPoint& p = points[i];
    const ScreenPoint& q = points[(i + 1) % points.size()];
    const int64_t y0 = raster::ClampCoordinate(p.y), y1 = raster::ClampCoordinate(q.y);
    if (y0 == y1) continue;
    edges.push_back({static_cast<double>(raster::ClampCoordinate(p.x)), static_cast<double>(y0),
                     static_cast<double>(raster::ClampCoordinate(q.x)), static_cast<double>(y1),
                     std::min(y0, y1), std::max(y0, y1) - 1});
  }
  std::sort(edges.begin(), edges.end(),
            [](const Edge& a, const Edge& b) { return a.firstRow < b.firstRow; });
  return edges;
}

// Where the active edges cross the centre line of row `y`, left to right.
void RowCrossings(const std::vector<const Edge*>& active, int y, std::vector<double>& crossings) {
  crossings.clear();
  for (const Edge* e : active)
    crossings.push_back(e->x0 + (y - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0));
  std::sort(crossings.begin(), crossings.end());
}

// The first and last rows of the bitmap that the points span (first > last when none).
std::pair<int, int> RowsOfBitmap(std::span<const ScreenPoint> points, int height) {
  int64_t minY = raster::kCoordinateLimit, maxY = -raster::kCoordinateLimit;
  for (const ScreenPoint& p : points) {
    minY = std::min(minY, raster::ClampCoordinate(p.y));
    maxY = std::max(maxY, raster::ClampCoordinate(p.y));
  }
  return {static_cast<int>(std::max<int64_t>(minY, 0)),
          static_cast<int>(std::min<int64_t>(maxY, height - 1))};
}

}  // namespace

uint32_t DeviceContext::BrushPixel(const Brush& brush, int x, int y) const {
  if (brush.style == BrushStyle::Solid) return brush.color;
  const uint8_t row = brush.pattern[static_cast<std::size_t>(y & 7)];
  return (row & (0x80 >> (x & 7))) != 0 ? backgroundColor_ : textColor_;
}

void DeviceContext::Polygon(std::span<const ScreenPoint> points) {
  if (points.empty()) return;
  Bitmap& target = *bitmap_;
  const int width = target.width(), height = target.height();
  const bool nullPen = pen_.style == PenStyle::Null;
  const bool hollow = brush_.style == BrushStyle::Hollow;
  const std::vector<OutlinePixel> outline =
      CollectOutline(points, width, height, pen_.style == PenStyle::Dotted);

  const auto [firstRow, lastRow] = RowsOfBitmap(points, height);

  std::size_t next = 0;  // first outline pixel not yet drawn
  const auto drawOutlineUpTo = [&](int row, int column) {
    for (; next < outline.size() &&
           (outline[next].y < row || (outline[next].y == row && outline[next].x < column));
         ++next) {
      const OutlinePixel& p = outline[next];
      uint32_t& pixel = target.Row(p.y)[p.x];
      if (nullPen) {
        if (!hollow) Apply(pixel, BrushPixel(brush_, p.x, p.y));
      } else if (p.penOn) {
        Apply(pixel, pen_.color);
      } else if (backgroundMode_ == BackgroundMode::Opaque) {
        Apply(pixel, backgroundColor_);
      }
    }
  };

  // Even-odd rule at the pixel centres of each row. Edges enter an active list by their
  // first row.
  const std::vector<Edge> edges = hollow ? std::vector<Edge>() : CollectEdges(points);
  std::vector<const Edge*> active;
  std::size_t nextEdge = 0;
  std::vector<double> crossings;
  for (int y = firstRow; !hollow && y <= lastRow; ++y) {
    for (; nextEdge < edges.size() && edges[nextEdge].firstRow <= y; ++nextEdge)
      active.push_back(&edges[nextEdge]);
    std::erase_if(active, [y](const Edge* e) { return e->lastRow < y; });
    RowCrossings(active, y, crossings);
    uint32_t* row = target.Row(y);
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
      const double from = std::max(std::ceil(crossings[k]), 0.0);
      const double to = std::min(std::ceil(crossings[k + 1]), static_cast<double>(width));
      for (int x = static_cast<int>(from); x < static_cast<int>(to); ++x) {
        drawOutlineUpTo(y, x);
        if (next < outline.size() && outline[next].y == y && outline[next].x == x) continue;
        Apply(row[x], BrushPixel(brush_, x, y));
      }
    }
  }
  drawOutlineUpTo(height, 0);
}

void DeviceContext::Ellipse(int left, int top, int right, int bottom) {
  const double l = static_cast<double>(raster::ClampCoordinate(left));
  const double t = static_cast<double>(raster::ClampCoordinate(top));
  const double r = static_cast<double>(raster::ClampCoordinate(right));
  const double b = static_cast<double>(raster::ClampCoordinate(bottom));
  if (r <= l || b <= t) return;
  const double cx = (l + r - 1) / 2, cy = (t + b - 1) / 2;
  const double rx = (r - l - 1) / 2, ry = (b - t - 1) / 2;
  // About one point per pixel of circumference, within bounds that keep huge boxes cheap.
  const double circumference = std::numbers::pi * (rx + ry);
  const int count = static_cast<int>(std::clamp(std::ceil(circumference), 8.0, 4096.0));
  const auto round = [](double v) {
    return static_cast<int>(v >= 0 ? std::floor(v + 0.5) : std::ceil(v - 0.5));
  };
  // Only the upper-right quarter is sampled; the others are its mirror images about the
  // box's centre lines, so the outline is symmetric whatever the rounding does with halves.
  std::vector<ScreenPoint> quarter;
  for (int k = 0; 4 * k < count; ++k) {
    const double angle = 2 * std::numbers::pi * k / count;
    quarter.push_back({round(cx + rx * std::cos(angle)), round(cy - ry * std::sin(angle))});
  }
  quarter.push_back({round(cx), round(cy - ry)});
  const int mirrorX = static_cast<int>(l + r - 1), mirrorY = static_cast<int>(t + b - 1);
  std::vector<ScreenPoint> points;
  points.reserve(4 * quarter.size());
  const auto add = [&](int x, int y) {
    const ScreenPoint p{x, y};
    if (points.empty() || !(points.back() == p)) points.push_back(p);
  };
  for (const ScreenPoint& p : quarter) add(p.x, p.y);
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p) add(mirrorX - p->x, p->y);
  for (const ScreenPoint& p : quarter) add(mirrorX - p.x, mirrorY - p.y);
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p) add(p->x, mirrorY - p->y);
  while (points.size() > 1 && points.back() == points.front()) points.pop_back();
  Polygon(points);
}

void DeviceContext::FillRect(const ScreenRect& rect, const Brush& brush) {
  if (brush.style == BrushStyle::Hollow) return;
  Bitmap& target = *bitmap_;
  const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
  const int right = std::min(rect.right, target.width());
  const int bottom = std::min(rect.bottom, target.height());
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = target.Row(y);
    for (int x = left; x < right; ++x) Apply(row[x], BrushPixel(brush, x, y));
  }
}

}  // namespace korvo
