#include "commands/chamfer_geometry.h"

#include <cmath>
#include <optional>

#include "geometry/geometry.h"

namespace korvo {
namespace {

// Sines of angles below this count as parallel: the meeting point would be far off.
constexpr double kParallel = 1e-10;

// Where the infinite lines through the two pieces meet; none for parallel or empty pieces.
std::optional<Point> MeetingPoint(const ChamferSide& a, const ChamferSide& b) {
  const double ax = a.end.x - a.start.x, ay = a.end.y - a.start.y;
  const double bx = b.end.x - b.start.x, by = b.end.y - b.start.y;
  const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  if (la == 0 || lb == 0) return std::nullopt;
  const double cross = ax * by - ay * bx;
  if (std::abs(cross) <= kParallel * la * lb) return std::nullopt;
  const double t = ((b.start.x - a.start.x) * by - (b.start.y - a.start.y) * bx) / cross;
  return Point(a.start.x + t * ax, a.start.y + t * ay);
}

// The cut of one piece; false when trimming leaves nothing of it.
bool CutOf(const ChamferSide& side, const Point& x, ChamferTrim trim, ChamferCut& cut) {
  const double length = Distance(side.start, side.end);
  const double ux = (side.end.x - side.start.x) / length;
  const double uy = (side.end.y - side.start.y) / length;
  // Positions along the piece measured from X, in the direction start → end.
  const double sAt = (side.start.x - x.x) * ux + (side.start.y - x.y) * uy;
  const double eAt = sAt + length;
  const double tolerance = 1e-9 * (1 + length);
  double keep;  // +1: the kept side runs towards the end, −1: towards the start
  if (sAt < -tolerance && eAt > tolerance) {
    const Point ahead(x.x + side.distance * ux, x.y + side.distance * uy);
    const Point behind(x.x - side.distance * ux, x.y - side.distance * uy);
    keep = Distance(ahead, side.tap) <= Distance(behind, side.tap) ? 1 : -1;
    if (side.distance == 0) {
      const double tapAt = (side.tap.x - x.x) * ux + (side.tap.y - x.y) * uy;
      keep = tapAt >= 0 ? 1 : -1;
    }
  } else {
    keep = std::abs(eAt) >= std::abs(sAt) ? 1 : -1;
  }
  cut.end = keep > 0 ? ChamferEnd::Start : ChamferEnd::End;
  cut.point = Point(x.x + keep * side.distance * ux, x.y + keep * side.distance * uy);
  const double keptReach = keep > 0 ? eAt : -sAt;
  return trim == ChamferTrim::No || side.distance < keptReach;
}

}  // namespace

Chamfer ComputeChamfer(const ChamferSide& first, const ChamferSide& second, ChamferTrim trim) {
  Chamfer chamfer;
  const std::optional<Point> x = MeetingPoint(first, second);
  if (!x) return chamfer;
  const bool firstFits = CutOf(first, *x, trim, chamfer.first);
  const bool secondFits = CutOf(second, *x, trim, chamfer.second);
  chamfer.status = firstFits && secondFits ? ChamferStatus::Ok : ChamferStatus::TooLarge;
  return chamfer;
}

}  // namespace korvo
