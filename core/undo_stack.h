#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/entity_list.h"
#include "core/undo_kind.h"
#include "core/undo_record.h"

namespace korvo {

class Drawing;
class Entity;

// The drawing's undo history: groups of change records, one group per command.
//
// `Current()` groups are applied, `Top()` exist; groups from Current() to Top() have been
// undone and can be redone. With the default of one level this is a one-step history: a
// command can be undone and redone until the next command records a change. With N levels
// up to N groups are kept: opening a group throws away the redo groups and, when N groups
// exist, the oldest one.
//
// Recording happens before an object changes (settings, modified entities and layers,
// reloaded blocks) or right after it entered or left the drawing (added or erased entities,
// added or removed table entries, drawing order). A record keeps the previous state or the
// object itself; undo and redo exchange states or flip flags, never recompute geometry.
//
// Discarding a group releases each record by the rule of its kind (UndoKind): what a group
// left out of the drawing (an erased entity of an applied group, an added one of an undone
// group, a removed layer, ...) is deleted then. Erased entities stay in the drawing's list
// until that happens.
class UndoStack {
 public:
  // More levels than this are taken as this: every level may hold copies of whole entities.
  static constexpr int kMaxLevels = 1000;

  explicit UndoStack(Drawing& drawing, int levels = 1);
  // Frees the copies the records made; what the records keep alive in the drawing must have
  // been released through Reset while the drawing was whole (the Drawing does this).
  ~UndoStack();
  UndoStack(const UndoStack&) = delete;
  UndoStack& operator=(const UndoStack&) = delete;

  // How many groups are kept; below 1 counts as 1, above kMaxLevels as kMaxLevels. Fewer
  // levels than groups throws away the oldest applied groups (and then the newest undone
  // ones) until they fit.
  void SetLevels(int levels);
  int Levels() const { return levels_; }

  // Appends a record to the open group, opening one first (BeginUndoGroup) when none is
  // open. `object` and `position` are what UndoKind lists for the kind. False, and nothing
  // opened or recorded, for a kind outside 1..15 or an object that does not fit the kind.
  bool RecordChange(UndoKind kind, UndoObject object = {}, ListPosition position = {});
  // For the entity kinds: the entity's node is looked up in the drawing's list; nothing is
  // recorded when it is not there.
  bool RecordEntityChange(UndoKind kind, Entity* entity);
  // One record per entity, in the given order, each as RecordEntityChange; returns how many
  // were recorded. The drawing's list is walked once, not once per entity.
  int RecordListChange(UndoKind kind, std::span<Entity* const> entities);
  int RecordListChange(UndoKind kind, const EntityList& entities);

  // Opens a group unless one is open: the redo groups are discarded, and with every level
  // in use the oldest group too.
  void BeginUndoGroup();
  // Closes the open group; a group that received no record is dropped again.
  void EndUndoGroup();
  bool IsGroupOpen() const { return groupOpen_; }

  bool CanUndo() const;
  bool CanRedo() const { return current_ < Top(); }
  // Closes an open group, then walks the last applied group from its last record to its
  // first and marks the drawing modified. False when there was nothing to undo.
  bool Undo();
  // Closes an open group, then walks the first undone group from its first record to its
  // last and marks the drawing modified. False when there was nothing to redo.
  bool Redo();

  // Discards every group by the rules above; both counters return to 0. Clearing the
  // drawing does this.
  void Reset();

  int Current() const { return current_; }
  int Top() const { return static_cast<int>(groups_.size()); }
  // Records in group `index` (0 = oldest); 0 for an index out of range.
  std::size_t GroupSize(int index) const;

  // Called after a settings record was undone or redone: the mode switches may differ now,
  // and the buttons that show them must be sent their states again.
  void SetModesRestoredListener(std::function<void()> listener) {
    modesRestored_ = std::move(listener);
  }
  void NotifyModesRestored() const {
    if (modesRestored_) modesRestored_();
  }

 private:
  using Group = std::vector<std::unique_ptr<UndoRecord>>;

  void Append(std::unique_ptr<UndoRecord> record);
  void DiscardGroup(std::size_t index);
  bool AnyRecordHolds(const TextStyle* style) const;

  Drawing& drawing_;
  std::deque<Group> groups_;  // oldest first
  int current_ = 0;
  int levels_ = 1;
  bool groupOpen_ = false;
  std::function<void()> modesRestored_;
};

}  // namespace korvo
