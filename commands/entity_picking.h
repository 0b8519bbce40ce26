#pragma once

#include <functional>
#include <vector>

#include "geometry/point.h"

namespace korvo {

class Drawing;
class Entity;
class EntityList;

// A command's say on which entities it can take; false makes an entity unselectable. It is
// asked about the entities of the list searched, not about the parts of block references.
using EntityFilter = std::function<bool(const Entity&)>;

// Whether selection may take the entity: visible (not hidden, not erased, its layer not
// frozen) and its layer not locked.
bool IsSelectable(const Entity& entity);

// The entity under the pick box at `p`, or null. `tolerance` is the pick box in world units
// (its size in pixels times the pixel size); an entity is hit when its NearestPoint lies
// within tolerance·√2 and no entity nearer was found, so among equally near entities the
// later one in the list (drawn on top) wins.
//
// Skipped: entities that are not selectable, that the filter rejects, or that the view has
// flagged out of view. A block reference (and so a polyline, whose segments are a block
// reference's parts) is not measured itself: the parts of both its lists are searched the
// same way, without the filter, and when one of them is hit the reference is the hit. A
// polyline whose segments are stale is searched as its segments stand; drawing rebuilds
// them before any pick can see the polyline.
Entity* FindEntityAt(const EntityList& list, const Point& p, double tolerance,
                     const EntityFilter& filter = {});
// The same over the drawing's entities, asking only those its spatial index finds within
// reach of the pick box: the same answer, without walking the whole list.
Entity* FindEntityAt(const Drawing& drawing, const Point& p, double tolerance,
                     const EntityFilter& filter = {});

// What a selection window from `corner1` to `corner2` (drawn either way) adds, in list
// order: every selectable entity not yet selected, accepted by the filter, that the window
// touches or contains (CrossesRect).
std::vector<Entity*> WindowSelectionCandidates(const EntityList& list, const Point& corner1,
                                               const Point& corner2,
                                               const EntityFilter& filter = {});
// The same over the drawing's entities, asking only those whose index boxes meet the window.
std::vector<Entity*> WindowSelectionCandidates(const Drawing& drawing, const Point& corner1,
                                               const Point& corner2,
                                               const EntityFilter& filter = {});

// What "Select All" (`selected` true) or "Deselect All" (false) changes, in list order: every
// selectable entity not already in that state that the filter accepts.
std::vector<Entity*> SelectAllCandidates(const EntityList& list, bool selected,
                                         const EntityFilter& filter = {});

}  // namespace korvo
