#include "commands/entity_picking.h"

#include <algorithm>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

bool IsPickCandidate(const Entity& entity) {
  return IsSelectable(entity) && (entity.flags & EntityFlag::OutOfView) == 0;
}

// Searches `entities` with the running bound `best`; returns the last of them that was hit,
// or null. A hit lowers `best`, so one search across nested lists behaves as one walk in
// drawing order.
template <class Entities>
Entity* FindInList(const Entities& entities, const Point& p, double& best,
                   const EntityFilter* filter) {
  Entity* hit = nullptr;
  for (Entity* entity : entities) {
    if (!IsPickCandidate(*entity)) continue;
    if (filter != nullptr && *filter && !(*filter)(*entity)) continue;
    if (const InsertEntity* insert = entity->AsInsert()) {
      const bool inExpanded = FindInList(insert->expanded, p, best, nullptr) != nullptr;
      const bool inAttached = FindInList(insert->attached, p, best, nullptr) != nullptr;
      if (inExpanded || inAttached) hit = entity;
      continue;
    }
    Point nearest;
    const double distance = entity->NearestPoint(p, nearest);
    if (distance <= best) {
      best = distance;
      hit = entity;
    }
  }
  return hit;
}

}  // namespace

bool IsSelectable(const Entity& entity) {
  return entity.IsVisible() && !entity.layer->IsLocked();
}

Entity* FindEntityAt(const EntityList& list, const Point& p, double tolerance,
                     const EntityFilter& filter) {
  double best = tolerance * kSqrt2;
  return FindInList(list, p, best, &filter);
}

Entity* FindEntityAt(const Drawing& drawing, const Point& p, double tolerance,
                     const EntityFilter& filter) {
  double best = tolerance * kSqrt2;
  // A hit lies within `best` of p: its box meets the square around p of that half-width.
  std::vector<Entity*> near;
  drawing.index().Query(Point(p.x - best, p.y - best), Point(p.x + best, p.y + best), near);
  return FindInList(near, p, best, &filter);
}

namespace {

template <class Entities>
std::vector<Entity*> CandidatesInWindow(const Entities& entities, const Point& corner1,
                                        const Point& corner2, const EntityFilter& filter) {
  const double x1 = std::min(corner1.x, corner2.x);
  const double x2 = std::max(corner1.x, corner2.x);
  const double y1 = std::min(corner1.y, corner2.y);
  const double y2 = std::max(corner1.y, corner2.y);
  std::vector<Entity*> candidates;
  for (Entity* entity : entities) {
    if (!IsSelectable(*entity) || entity->IsSelected()) continue;
    if (filter && !filter(*entity)) continue;
    if (entity->CrossesRect(x1, y1, x2, y2)) candidates.push_back(entity);
  }
  return candidates;
}

}  // namespace

std::vector<Entity*> WindowSelectionCandidates(const EntityList& list, const Point& corner1,
                                               const Point& corner2, const EntityFilter& filter) {
  return CandidatesInWindow(list, corner1, corner2, filter);
}

std::vector<Entity*> WindowSelectionCandidates(const Drawing& drawing, const Point& corner1,
                                               const Point& corner2, const EntityFilter& filter) {
  std::vector<Entity*> inside;
  drawing.index().Query(Point(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y)),
                        Point(std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y)),
                        inside);
  return CandidatesInWindow(inside, corner1, corner2, filter);
}

std::vector<Entity*> SelectAllCandidates(const EntityList& list, bool selected,
                                         const EntityFilter& filter) {
  std::vector<Entity*> candidates;
  for (Entity* entity : list) {
    if (!IsSelectable(*entity) || entity->IsSelected() == selected) continue;
    if (filter && !filter(*entity)) continue;
    candidates.push_back(entity);
  }
  return candidates;
}

}  // namespace korvo
