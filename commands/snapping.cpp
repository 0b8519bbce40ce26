#include "commands/snapping.h"

#include <cmath>
#include <vector>

#include "core/drawing.h"
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

namespace {

template <class Entities>
SnapSearch ObjectSnapOver(const Entities& entities, const Point& p, double aperture) {
  NearestInAperture nearest(p, aperture);
  for (const Entity* entity : entities) {
    if (!IsSnapCandidate(*entity)) continue;
    Point key;
    const double distance = entity->NearestKeyPoint(p, key);
    nearest.Offer(key, distance);
  }
  return nearest.result();
}

template <class Entities>
SnapSearch IntersectionSnapOver(const Entities& entities, const Point& p, double aperture,
                                const SnapAbort& abort) {
  std::vector<const Entity*> candidates;
  for (const Entity* entity : entities) {
    if (IsSnapCandidate(*entity)) candidates.push_back(entity);
  }
  NearestInAperture nearest(p, aperture);
  PointList crossings;
  auto offerAll = [&] {
    for (const Point& crossing : crossings) nearest.Offer(crossing, Distance(crossing, p));
    crossings.clear();
  };
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

// The entities whose index boxes meet the aperture square, in list order: every key point
// and crossing in the square comes from them.
std::vector<Entity*> NearAperture(const Drawing& drawing, const Point& p, double aperture) {
  std::vector<Entity*> near;
  drawing.index().Query(Point(p.x - aperture, p.y - aperture),
                        Point(p.x + aperture, p.y + aperture), near);
  return near;
}

template <class ObjectSearch, class IntersectionSearch>
CursorSnap SnapCursorWith(const Point& raw, const SnapSettings& settings, double aperture,
                          CursorStyle style, ObjectSearch objectSnap,
                          IntersectionSearch intersectionSnap) {
  CursorSnap snap;
  snap.world = settings.gridSnap ? GridSnap(raw, settings.snapSpacing) : raw;
  if (style != CursorStyle::Crosshair) return snap;
  double bound = aperture * kSqrt2;
  if (settings.objectSnap) {
    const SnapSearch object = objectSnap(snap.world);
    bound = object.distance;
    if (object.found) {
      snap.world = object.point;
      snap.kind = SnapKind::Object;
    }
  }
  if (settings.intersectionSnap) {
    const SnapSearch crossing = intersectionSnap(snap.world);
    if (crossing.aborted) {
      snap.aborted = true;
    } else if (crossing.found && crossing.distance < bound) {
      snap.world = crossing.point;
      snap.kind = SnapKind::Intersection;
    }
  }
  return snap;
}

}  // namespace

SnapSearch ObjectSnap(const EntityList& list, const Point& p, double aperture) {
  return ObjectSnapOver(list, p, aperture);
}

SnapSearch ObjectSnap(const Drawing& drawing, const Point& p, double aperture) {
  return ObjectSnapOver(NearAperture(drawing, p, aperture), p, aperture);
}

SnapSearch IntersectionSnap(const EntityList& list, const Point& p, double aperture,
                            const SnapAbort& abort) {
  return IntersectionSnapOver(list, p, aperture, abort);
}

SnapSearch IntersectionSnap(const Drawing& drawing, const Point& p, double aperture,
                            const SnapAbort& abort) {
  return IntersectionSnapOver(NearAperture(drawing, p, aperture), p, aperture, abort);
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
  return SnapCursorWith(
      raw, settings, aperture, style, [&](const Point& p) { return ObjectSnap(list, p, aperture); },
      [&](const Point& p) { return IntersectionSnap(list, p, aperture, abort); });
}

CursorSnap SnapCursor(const Point& raw, const SnapSettings& settings, const Drawing& drawing,
                      double aperture, CursorStyle style, const SnapAbort& abort) {
  return SnapCursorWith(
      raw, settings, aperture, style,
      [&](const Point& p) { return ObjectSnap(drawing, p, aperture); },
      [&](const Point& p) { return IntersectionSnap(drawing, p, aperture, abort); });
}

}  // namespace korvo
