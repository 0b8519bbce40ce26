#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>

#include "core/text_style.h"
#include "core/undo_record.h"
#include "platform/named_table.h"
#include "text/line_type.h"

namespace korvo {

// An entry that a command put into a table or took out of it. Undo and redo move it in and
// out, back to its place in the table's order; the entry itself never changes, so references
// to it stay valid. A removal is recorded while the entry is still in the table. Whoever holds the
// entry while it is out of the table is this record, which deletes it when its group is
// discarded in the state that leaves the entry out.
template <class T, class Table>
class MembershipRecord : public UndoRecord {
 public:
  enum class Change { Added, Removed };

  // `putBack` runs after the entry returns to the table (block references re-bind there).
  MembershipRecord(UndoKind kind, Table& table, T* entry, Change change,
                   std::function<void(T&)> putBack = {})
      : UndoRecord(kind),
        table_(table),
        entry_(entry),
        change_(change),
        putBack_(std::move(putBack)),
        position_(table.PositionOf(entry)) {}

  void Undo(Drawing&) override { change_ == Change::Added ? TakeOut() : PutBack(); }
  void Redo(Drawing&) override { change_ == Change::Added ? PutBack() : TakeOut(); }

  void Discard(Drawing&, GroupState state, const TextStyleHeld& held) override {
    const bool leftOut = (change_ == Change::Added) == (state == GroupState::Undone);
    if (!leftOut || InTable()) return;
    if constexpr (std::is_same_v<T, TextStyle>) {
      if (held && held(entry_)) return;
    }
    if constexpr (std::is_same_v<T, LineType>) {
      if (entry_->builtIn) return;  // shared by every drawing
    }
    delete entry_;
  }

  bool HoldsTextStyle(const TextStyle* style) const override {
    if constexpr (std::is_same_v<T, TextStyle>) return style == entry_;
    return false;
  }

 private:
  bool InTable() const { return std::find(table_.begin(), table_.end(), entry_) != table_.end(); }
  void TakeOut() {
    if (const auto position = table_.PositionOf(entry_)) position_ = position;
    table_.Remove(entry_, TableRemoval::Keep);
  }
  // Where it was, so that undo and redo give the table back in its order.
  void PutBack() {
    if (InTable()) return;
    if (position_)
      table_.Insert(entry_, *position_);
    else
      table_.Add(entry_);
    if (putBack_) putBack_(*entry_);
  }

  Table& table_;
  T* entry_;
  Change change_;
  std::function<void(T&)> putBack_;
  std::optional<std::size_t> position_;  // the entry's place in the table when it was in it
};

}  // namespace korvo
