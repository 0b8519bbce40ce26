#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"
#include "text/dash_walk.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

void AppendDistinct(std::vector<ScreenPoint>& out, const ScreenPoint& p) {
  if (out.empty() || !(out.back() == p)) out.push_back(p);
}

}  // namespace

int ArcSegmentCount(double radiusPixels, double span) {
  // Segments per eighth of a turn: the radius in pixels rounded, within 1..512.
  const double perEighth = std::clamp(std::trunc(radiusPixels + 0.5), 1.0, 512.0);
  const double step = (kPi / 4) / perEighth;
  const double count = std::trunc((std::fabs(span) + step / 2) / step);
  // A span that is not finite has no sensible count; one segment keeps the caller safe.
  if (!(count >= 1)) return 1;
  return static_cast<int>(std::min(count, 4096.0 * 8));
}

bool RenderContext::BuildArcPoints(const Point& center, double radius, double startAngle,
                                   double endAngle, double rotation, double ratio,
                                   std::vector<ScreenPoint>& out) const {
  out.clear();
  // More than a turn draws the same curve again.
  const double span = std::clamp(endAngle - startAngle, -kTwoPi, kTwoPi);
  endAngle = startAngle + span;
  const int segments = ArcSegmentCount(radius / pixelSize, span);
  const double c = std::cos(rotation), s = std::sin(rotation);
  const auto curvePoint = [&](double t, double major, double minor) {
    const double lx = major * std::cos(t), ly = minor * std::sin(t);
    return WorldToScreen(Point(center.x + c * lx - s * ly, center.y + s * lx + c * ly));
  };
  const auto parameter = [&](int k) {
    return k == segments ? endAngle : startAngle + span * k / segments;
  };
  if (penWidthPixels < 2) {
    for (int k = 0; k <= segments; ++k)
      AppendDistinct(out, curvePoint(parameter(k), radius, radius * ratio));
    return false;
  }
  // A wide pen: the outer edge forward and the inner edge back, closed into a polygon.
  const double half = penWidthPixels * pixelSize / 2;
  for (int k = 0; k <= segments; ++k)
    AppendDistinct(out, curvePoint(parameter(k), radius + half, radius * ratio + half));
  for (int k = segments; k >= 0; --k)
    AppendDistinct(out, curvePoint(parameter(k), std::max(radius - half, 0.0),
                                   std::max(radius * ratio - half, 0.0)));
  return true;
}

void RenderContext::DrawArcPiece(const Point& center, double radius, double startAngle,
                                 double endAngle, double rotation, double ratio) {
  std::vector<ScreenPoint> points;
  const bool polygon =
      BuildArcPoints(center, radius, startAngle, endAngle, rotation, ratio, points);
  if (polygon) {
    dc->Polygon(points);
  } else if (points.size() == 1) {
    // The whole piece falls on one pixel: it still shows.
    DrawScreenLine(points[0].x, points[0].y, points[0].x, points[0].y);
  } else {
    dc->Polyline(points);
  }
}

void RenderContext::DrawCircle(const Point& center, double radius, double rotation, double ratio) {
  DrawArc(center, radius, 0, kTwoPi, rotation, ratio);
}

void RenderContext::DrawArc(const Point& center, double radius, double startAngle, double endAngle,
                            double rotation, double ratio) {
  if (!(radius > 0) || !std::isfinite(radius) || !std::isfinite(center.x) ||
      !std::isfinite(center.y) || !std::isfinite(startAngle) || !std::isfinite(endAngle))
    return;
  const double span = endAngle - startAngle;
  // The pattern is walked along the parameter: lengths divided by the radius are angles.
  const auto drawDash = [&](double from, double to) {
    DrawArcPiece(center, radius, startAngle + from, startAngle + to, rotation, ratio);
  };
  if (!WalkDashes(lineType, settings->linetypeScale / radius, span, {0, span}, drawDash))
    DrawArcPiece(center, radius, startAngle, endAngle, rotation, ratio);
}

void RenderContext::DrawWideArc(const Point& center, double radius, double startAngle,
                                double endAngle, double startWidth, double endWidth) {
  if (std::fabs(startWidth) < 1.5 * pixelSize && std::fabs(endWidth) < 1.5 * pixelSize) {
    DrawArc(center, radius, startAngle, endAngle);
    return;
  }
  if (!(radius > 0) || !std::isfinite(radius) || !std::isfinite(startAngle) ||
      !std::isfinite(endAngle))
    return;
  const double span = std::clamp(endAngle - startAngle, -kTwoPi, kTwoPi);
  endAngle = startAngle + span;
  const int segments = ArcSegmentCount(radius / pixelSize, span);
  const auto at = [&](int k, double offset) {
    const double t = k == segments ? endAngle : startAngle + span * k / segments;
    const double r = std::max(radius + offset, 0.0);
    return WorldToScreen(Point(center.x + r * std::cos(t), center.y + r * std::sin(t)));
  };
  const auto width = [&](int k) { return startWidth + (endWidth - startWidth) * k / segments; };
  std::vector<ScreenPoint> points;
  for (int k = 0; k <= segments; ++k) AppendDistinct(points, at(k, width(k) / 2));
  for (int k = segments; k >= 0; --k) AppendDistinct(points, at(k, -width(k) / 2));
  dc->Polygon(points);
}

}  // namespace korvo
