#include <algorithm>
#include <unordered_set>

#include "core/drawing.h"
#include "core/entity.h"
#include "core/marker_entity.h"

namespace korvo {
namespace {

enum class Direction { ToFront, ToBack };

// Moves each chosen entity met while walking from one end of the list to the other to the
// far end, leaving a marker in the node it held. The walk stops at the node that was the far
// end when it began, so that moved entities are not met again.
int MoveChosen(Drawing& drawing, std::span<Entity* const> chosen, Direction direction) {
  EntityList& list = drawing.entities;
  const std::unordered_set<const Entity*> wanted(chosen.begin(), chosen.end());
  const auto movable = [](const Entity* entity) {
    return entity->AsMarker() == nullptr && !entity->IsErased();
  };
  if (std::none_of(chosen.begin(), chosen.end(), movable)) return 0;
  // Opening the group may delete entities and markers of the previous one: not in the
  // middle of the walk.
  drawing.undo.BeginUndoGroup();
  const bool toFront = direction == Direction::ToFront;
  const ListPosition last = toFront ? list.TailPosition() : list.HeadPosition();
  int moved = 0;
  for (ListPosition p = toFront ? list.HeadPosition() : list.TailPosition(); p;) {
    const ListPosition next = toFront ? list.Next(p) : list.Prev(p);
    Entity* entity = list.GetAt(p);
    if (wanted.contains(entity) && movable(entity)) {
      const ListPosition target = toFront ? list.AddTail(entity) : list.AddHead(entity);
      auto* marker = new MarkerEntity(entity, target);
      list.SetAt(p, marker);
      drawing.undo.RecordChange(UndoKind::DrawingOrderChanged, marker, p);
      ++moved;
    }
    if (p == last) break;
    p = next;
  }
  return moved;
}

}  // namespace

int Drawing::BringToFront(std::span<Entity* const> chosen) {
  return MoveChosen(*this, chosen, Direction::ToFront);
}

int Drawing::SendToBack(std::span<Entity* const> chosen) {
  return MoveChosen(*this, chosen, Direction::ToBack);
}

}  // namespace korvo
