#pragma once

#include <functional>

#include "geometry/point.h"
#include "view/view.h"

namespace korvo {

class Drawing;
class Entity;
class EntityList;

// Which snap produced the cursor point. The numbers are the system's.
enum class SnapKind : int {
  Intersection = 1,
  Object = 2,
  None = 3,  // the view's value before any snap took a point
};

// The drawing settings the cursor snap reads.
struct SnapSettings {
  bool gridSnap = false;
  double snapSpacing = 0;  // the grid step; anything but a positive finite step disables it
  bool objectSnap = false;
  bool intersectionSnap = false;
};

// Asked now and then during the intersection search; true abandons it (a newer pen move is
// waiting, so this answer would be thrown away).
using SnapAbort = std::function<bool()>;

// The nearest multiple of `step` to `c`: with v = |c| and r = v mod step, v − r, plus step
// when r > step / 2, with the sign of c (so −5 at step 10 gives −0). Exact halves round
// toward zero. A step that is zero, negative or not finite, or a coordinate that is not
// finite, leaves the coordinate as it is.
double GridSnapCoordinate(double c, double step);
Point GridSnap(const Point& p, double step);

// The entities snapping looks at: visible (not hidden, not erased, on a layer that is not
// frozen) and not flagged out of view.
bool IsSnapCandidate(const Entity& entity);

// A snap search around a point. `distance` is the best distance found, or the starting
// bound a·√2 when nothing qualified.
struct SnapSearch {
  Point point;
  double distance = 0;
  bool found = false;
  bool aborted = false;  // the intersection search was abandoned; nothing was taken
};

// The nearest key point (NearestKeyPoint: ends, midpoints, centres ...) of the candidates of
// `list`, in list order, to `p`. A key point qualifies when it lies in the aperture square
// (|dx| <= aperture and |dy| <= aperture) and its distance is strictly smaller than the best
// so far, the best starting at aperture·√2; so equally near points keep the earlier entity.
SnapSearch ObjectSnap(const EntityList& list, const Point& p, double aperture);
// The same over the drawing's entities, asking only those its spatial index finds near the
// aperture square: the same answer, without walking the whole list.
SnapSearch ObjectSnap(const Drawing& drawing, const Point& p, double aperture);

// The nearest intersection point to `p`: for each candidate A in list order, the points where
// A crosses itself (IntersectSelf), then its intersections with every later candidate B
// (A.IntersectWith(B)). The same aperture square and starting bound as ObjectSnap; the first
// point found wins ties. Every pair is tested, so the cost grows with the square of the
// candidates; `abort` (when given) is asked every few hundred pairs.
SnapSearch IntersectionSnap(const EntityList& list, const Point& p, double aperture,
                            const SnapAbort& abort = {});
// The same over the drawing's entities, taking only the pairs whose index boxes both meet the
// aperture square, in the same order: no crossing in the square comes from any other pair.
SnapSearch IntersectionSnap(const Drawing& drawing, const Point& p, double aperture,
                            const SnapAbort& abort = {});

// Ortho: keeps the axis of the larger movement from `base`. When |base.x − p.x| <
// |base.y − p.y| the x of the base is taken, otherwise (equal movements too) its y.
Point ApplyOrtho(const Point& base, const Point& p);

struct CursorSnap {
  Point world;                     // the point a pick would deliver
  SnapKind kind = SnapKind::None;  // which snap took `world`; None when neither did
  bool aborted = false;            // the intersection search was abandoned; `world` skips it
};

// The cursor point for the raw world point under the pen: grid snap, then under the
// crosshair object snap around the grid point, then intersection snap around the point
// object snap left, taken only when nearer than the object snap's distance d (a·√2 when
// object snap found nothing or is off). `aperture` is the aperture in world units (the
// aperture in pixels times the pixel size). Ortho is not applied here: it belongs to the
// picked point and its base.
CursorSnap SnapCursor(const Point& raw, const SnapSettings& settings, const EntityList& list,
                      double aperture, CursorStyle style, const SnapAbort& abort = {});
// The same over the drawing's entities through its spatial index.
CursorSnap SnapCursor(const Point& raw, const SnapSettings& settings, const Drawing& drawing,
                      double aperture, CursorStyle style, const SnapAbort& abort = {});

}  // namespace korvo
