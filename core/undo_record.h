#pragma once

#include <functional>
#include <memory>
#include <variant>

#include "core/entity_list.h"
#include "core/undo_kind.h"

namespace korvo {

class Drawing;
class Entity;
class Layer;
class LineType;
class TextStyle;
class BlockDefinition;

// What a record refers to; UndoKind says which alternative each kind expects.
using UndoObject =
    std::variant<std::monostate, Entity*, Layer*, TextStyle*, LineType*, BlockDefinition*>;

// Whether the group a record belongs to was in effect when the group is thrown away.
enum class GroupState { Applied, Undone };

// Asked while a record is discarded: does any other record still hold this text style?
using TextStyleHeld = std::function<bool(const TextStyle*)>;

// One change of the drawing. A record keeps the previous state (or the object itself), so
// that undo and redo exchange states or toggle flags and never recompute anything: undo
// followed by redo gives back the very same objects.
//
// Destroying a record frees only the copies it made. Objects of the drawing that the record
// alone keeps alive (an erased entity, a removed layer) are released by Discard, which needs
// the drawing.
class UndoRecord {
 public:
  explicit UndoRecord(UndoKind kind) : kind_(kind) {}
  virtual ~UndoRecord() = default;
  UndoRecord(const UndoRecord&) = delete;
  UndoRecord& operator=(const UndoRecord&) = delete;

  UndoKind kind() const { return kind_; }

  virtual void Undo(Drawing& drawing) = 0;
  virtual void Redo(Drawing& drawing) = 0;
  // Releases what the record keeps alive, by the rule of its kind.
  virtual void Discard(Drawing& drawing, GroupState state, const TextStyleHeld& held) = 0;
  // True when the record may put `style` back into the text style table.
  virtual bool HoldsTextStyle(const TextStyle*) const { return false; }

 private:
  UndoKind kind_;
};

// The record for a change that is about to happen (or, for the added and removed kinds and
// the drawing order, that has just happened). Null when the kind is unknown, the object is
// not what the kind expects, or an entity is not where `position` says.
std::unique_ptr<UndoRecord> MakeUndoRecord(Drawing& drawing, UndoKind kind,
                                           const UndoObject& object, ListPosition position);

}  // namespace korvo
