#include "commands/shape_outlines.h"

#include <algorithm>
#include <cmath>

#include "core/polyline_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// The bulge of a quarter circle run counter-clockwise: tan(90° / 4).
const double kQuarterBulge = std::tan(kPi / 8);

}  // namespace

std::unique_ptr<PolylineEntity> RectangleOutline(const Point& a, const Point& b,
                                                 const RectangleOptions& options,
                                                 const DrawingSettings& settings) {
  const double x0 = std::min(a.x, b.x);
  const double x1 = std::max(a.x, b.x);
  const double y0 = std::min(a.y, b.y);
  const double y1 = std::max(a.y, b.y);
  if (!(x1 - x0 > 0) || !(y1 - y0 > 0)) return nullptr;
  auto polyline = std::make_unique<PolylineEntity>(settings);
  const double w = options.lineWidth;
  double cutX = 0;
  double cutY = 0;
  double bulge = 0;
  if (options.corners == RectangleCorners::Chamfered) {
    cutX = options.chamfer1;
    cutY = options.chamfer2;
  } else if (options.corners == RectangleCorners::Filleted) {
    cutX = cutY = options.filletRadius;
    bulge = kQuarterBulge;
  }
  const bool fits = cutX > 0 && cutY > 0 && 2 * cutX <= x1 - x0 && 2 * cutY <= y1 - y0;
  if (!fits) {
    for (const Point& p : {Point(x0, y0), Point(x1, y0), Point(x1, y1), Point(x0, y1)})
      polyline->AppendVertex(p, w, w, 0, 0, 0);
  } else {
    // Each side, then the corner that follows it: the vertex that starts a corner carries
    // its bulge. Corners that meet in the middle of a side leave a vertex of no length out.
    const Point path[] = {{x0 + cutX, y0}, {x1 - cutX, y0}, {x1, y0 + cutY}, {x1, y1 - cutY},
                          {x1 - cutX, y1}, {x0 + cutX, y1}, {x0, y1 - cutY}, {x0, y0 + cutY}};
    for (int i = 0; i < 8; ++i) {
      const Point& next = path[(i + 1) % 8];
      if (AreNear(path[i], next)) continue;
      polyline->AppendVertex(path[i], w, w, i % 2 == 1 ? bulge : 0, 0, 0);
    }
  }
  polyline->SetClosed(true);
  polyline->RebuildSegments();
  return polyline;
}

std::unique_ptr<PolylineEntity> DonutOutline(const Point& center, const DonutOptions& options,
                                             const DrawingSettings& settings) {
  const double inside = options.insideDiameter;
  const double outside = options.outsideDiameter;
  if (!(inside >= 0) || !(outside > inside)) return nullptr;
  const double width = (outside - inside) / 2;
  const double radius = (outside + inside) / 4;
  auto polyline = std::make_unique<PolylineEntity>(settings);
  polyline->AppendVertex(Point(center.x - radius, center.y), width, width, 1, 0, 0);
  polyline->AppendVertex(Point(center.x + radius, center.y), width, width, 1, 0, 0);
  polyline->SetClosed(true);
  polyline->RebuildSegments();
  return polyline;
}

}  // namespace korvo
