#include "core/undo_stack.h"

#include <algorithm>
#include <unordered_map>

#include "core/drawing.h"

namespace korvo {

UndoStack::UndoStack(Drawing& drawing, int levels) : drawing_(drawing) {
  SetLevels(levels);
}

UndoStack::~UndoStack() = default;

void UndoStack::SetLevels(int levels) {
  levels_ = std::clamp(levels, 1, kMaxLevels);
  while (Top() > levels_) {
    if (current_ > 0) {
      DiscardGroup(0);
      groups_.pop_front();
      --current_;
    } else {
      DiscardGroup(groups_.size() - 1);
      groups_.pop_back();
    }
  }
  if (groups_.empty()) groupOpen_ = false;
}

bool UndoStack::RecordChange(UndoKind kind, UndoObject object, ListPosition position) {
  std::unique_ptr<UndoRecord> record = MakeUndoRecord(drawing_, kind, object, position);
  if (!record) return false;
  Append(std::move(record));
  return true;
}

bool UndoStack::RecordEntityChange(UndoKind kind, Entity* entity) {
  if (entity == nullptr) return false;
  const ListPosition position = drawing_.entities.Find(entity);
  if (!position) return false;
  return RecordChange(kind, entity, position);
}

int UndoStack::RecordListChange(UndoKind kind, std::span<Entity* const> entities) {
  std::unordered_map<const Entity*, ListPosition> positions;
  for (const Entity* entity : entities) positions.emplace(entity, ListPosition{});
  std::size_t missing = positions.size();
  const EntityList& list = drawing_.entities;
  for (ListPosition p = list.HeadPosition(); p && missing > 0; p = list.Next(p)) {
    auto found = positions.find(list.GetAt(p));
    if (found != positions.end() && !found->second) {
      found->second = p;
      --missing;
    }
  }
  int recorded = 0;
  for (Entity* entity : entities) {
    auto found = positions.find(entity);
    if (found->second && RecordChange(kind, entity, found->second)) ++recorded;
  }
  return recorded;
}

int UndoStack::RecordListChange(UndoKind kind, const EntityList& entities) {
  const std::vector<Entity*> members(entities.begin(), entities.end());
  return RecordListChange(kind, members);
}

void UndoStack::Append(std::unique_ptr<UndoRecord> record) {
  BeginUndoGroup();
  groups_.back().push_back(std::move(record));
}

void UndoStack::BeginUndoGroup() {
  if (groupOpen_) return;
  // The redo history goes first, newest last, as the groups were made.
  for (std::size_t index = static_cast<std::size_t>(current_); index < groups_.size(); ++index)
    DiscardGroup(index);
  groups_.resize(static_cast<std::size_t>(current_));
  if (current_ == levels_) {
    DiscardGroup(0);
    groups_.pop_front();
    --current_;
  }
  groups_.emplace_back();
  ++current_;
  groupOpen_ = true;
}

void UndoStack::EndUndoGroup() {
  if (!groupOpen_) return;
  groupOpen_ = false;
  // The open group is always the newest and the last applied one.
  if (groups_.back().empty()) {
    groups_.pop_back();
    --current_;
  }
}

bool UndoStack::CanUndo() const {
  return current_ != 0 && !groups_[static_cast<std::size_t>(current_ - 1)].empty();
}

bool UndoStack::Undo() {
  EndUndoGroup();
  if (current_ == 0) return false;
  --current_;
  Group& group = groups_[static_cast<std::size_t>(current_)];
  for (auto record = group.rbegin(); record != group.rend(); ++record) (*record)->Undo(drawing_);
  drawing_.SetModifiedFlag(true);
  return true;
}

bool UndoStack::Redo() {
  EndUndoGroup();
  if (current_ == Top()) return false;
  Group& group = groups_[static_cast<std::size_t>(current_)];
  for (auto& record : group) record->Redo(drawing_);
  ++current_;
  drawing_.SetModifiedFlag(true);
  return true;
}

void UndoStack::Reset() {
  for (std::size_t index = 0; index < groups_.size(); ++index) DiscardGroup(index);
  groups_.clear();
  current_ = 0;
  groupOpen_ = false;
}

std::size_t UndoStack::GroupSize(int index) const {
  if (index < 0 || index >= Top()) return 0;
  return groups_[static_cast<std::size_t>(index)].size();
}

void UndoStack::DiscardGroup(std::size_t index) {
  const GroupState state =
      static_cast<int>(index) < current_ ? GroupState::Applied : GroupState::Undone;
  const TextStyleHeld held = [this](const TextStyle* style) { return AnyRecordHolds(style); };
  Group& group = groups_[index];
  for (auto& slot : group) {
    // Out of the group first, so that the record does not count as holding its own styles.
    std::unique_ptr<UndoRecord> record = std::move(slot);
    record->Discard(drawing_, state, held);
  }
  group.clear();
}

bool UndoStack::AnyRecordHolds(const TextStyle* style) const {
  for (const Group& group : groups_) {
    for (const auto& record : group) {
      if (record && record->HoldsTextStyle(style)) return true;
    }
  }
  return false;
}

}  // namespace korvo
