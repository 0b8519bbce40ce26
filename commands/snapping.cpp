#include "commands/snapping.h"

#include <cmath>
#include <vector>

#include "core/entity.h"
#include "core/entity_list.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// How many intersection calls pass between two questions to the abort callback: often
// enough to follow the pen, rarely enough that asking costs nothing.
constexpr int kPairsPerAbortCheck = 256;

bool InsideAperture(const Point& candidate, const Point& p, double aperture) {
  return std::fabs(candidate.x - p.x) <= aperture && std::fabs(candidate.y - p.y) <= aperture;
}

// Keeps the nearest qualifying point of a search; later points must be strictly nearer.
class NearestInAperture {
 public:
  NearestInAperture(const Point& p, double aperture) : p_(p), aperture_(aperture) {
    result_.distance = aperture * kSqrt2;
  }

  void Offer(const Point& candidate, double distance) {
    if (!InsideAperture(candidate, p_, aperture_) || !(distance < result_.distance)) return;
    result_.point = candidate;
    result_.distance = distance;
    result_.found = true;
  }
  SnapSearch& result() { return result_; }

 private:
  Point p_;
  double aperture_;
  SnapSearch result_;
};

}  // namespace

double GridSnapCoordinate(double c, double step) {
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(c)) return c;
  const double v = std::fabs(c);
  const double r = std::fmod(v, step);
  double snapped = v - r;
  if (r > step / 2) snapped += step;
  return std::copysign(snapped, c);
}

Point GridSnap(const Point& p, double step) {
  return Point(GridSnapCoordinate(p.x, step), GridSnapCoordinate(p.y, step));
}

bool IsSnapCandidate(const Entity& entity) {
  return entity.IsVisible() && (entity.flags & EntityFlag::OutOfView) == 0;
}

SnapSearch ObjectSnap(const EntityList& list, const Point& p, double aperture) {
  NearestInAperture nearest(p, aperture);
  for (const Entity* entity : list) {
    if (!IsSnapCandidate(*entity)) continue;
    Point key;
    const double distance = entity->NearestKeyPoint(p, key);
    nearest.Offer(key, distance);
  }
  return nearest.result();
}

SnapSearch IntersectionSnap(const EntityList& list, const Point& p, double aperture,
                            const SnapAbort& abort) {
  std::vector<const Entity*> candidates;
  for (const Entity* entity : list) {
    if (IsSnapCandidate(*entity)) candidates.push_back(entity);
  }
  NearestInAperture nearest(p, aperture);
  PointList crossings;
  auto offerAll = [&] {
    for (const Point& crossing : crossings) nearest.Offer(crossing, Distance(crossing, p));
    crossings.clear();
  };
  // FIXME: every pair is intersected even when neither entity comes near the aperture; a box
  // test against the aperture square would skip most pairs, but it needs a margin that covers
  // how far each kind's intersection tolerance lets a point stray from its extents.
  int untilCheck = kPairsPerAbortCheck;
  for (std::size_t a = 0; a < candidates.size(); ++a) {
    candidates[a]->IntersectSelf(crossings);
    offerAll();
    for (std::size_t b = a + 1; b < candidates.size(); ++b) {
      candidates[a]->IntersectWith(*candidates[b], crossings);
      if (!crossings.empty()) offerAll();
      if (--untilCheck == 0) {
        untilCheck = kPairsPerAbortCheck;
        if (abort && abort()) {
          SnapSearch abandoned;
          abandoned.distance = aperture * kSqrt2;
          abandoned.aborted = true;
          return abandoned;
        }
      }
    }
  }
  return nearest.result();
}

Point ApplyOrtho(const Point& base, const Point& p) {
  Point result = p;
  if (std::fabs(base.x - p.x) < std::fabs(base.y - p.y)) {
    result.x = base.x;
  } else {
    result.y = base.y;
  }
  return result;
}

CursorSnap SnapCursor(const Point& raw, const SnapSettings& settings, const EntityList& list,
                      double aperture, CursorStyle style, const SnapAbort& abort) {
  CursorSnap snap;
  snap.world = settings.gridSnap ? GridSnap(raw, settings.snapSpacing) : raw;
  if (style != CursorStyle::Crosshair) return snap;
  double bound = aperture * kSqrt2;
  if (settings.objectSnap) {
    const SnapSearch object = ObjectSnap(list, snap.world, aperture);
    bound = object.distance;
    if (object.found) {
      snap.world = object.point;
      snap.kind = SnapKind::Object;
    }
  }
  if (settings.intersectionSnap) {
    const SnapSearch crossing = IntersectionSnap(list, snap.world, aperture, abort);
    if (crossing.aborted) {
      snap.aborted = true;
    } else if (crossing.found && crossing.distance < bound) {
      snap.world = crossing.point;
      snap.kind = SnapKind::Intersection;
    }
  }
  return snap;
}

}  // namespace korvo
