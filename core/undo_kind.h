#pragma once

namespace korvo {

// The kinds of change an undo record describes; the numbers are the system's own codes.
// Each entry says what `RecordChange` expects as its object and extra, and what discarding a
// record does ("applied": the group is done when it is discarded; "undone": it was undone).
enum class UndoKind : int {
  // No object. Keeps a copy of the whole DrawingSettings; undo and redo exchange it with
  // the drawing's and then tell the mode listener. Discard: the copy is deleted.
  SettingsChanged = 1,
  // Object: the entity. Undo clears its erased flag, redo sets it. Discard when applied and
  // the entity is still erased: it is unlinked from the drawing and deleted.
  EntityErased = 2,
  // Object: the entity, already in the drawing's list. Undo sets its erased flag, redo
  // clears it. Discard when undone and the entity is erased: unlinked and deleted.
  EntityAdded = 3,
  // Object: the entity, before it changes. Keeps a clone (selected flag cleared); undo and
  // redo exchange the states of the entity and the clone. Discard: the clone is deleted.
  EntityModified = 4,
  // Object: the marker left in the entity's old node; extra: that old node. Undo and redo
  // exchange the entity and the marker between their nodes. Discard: the marker is unlinked
  // and deleted, since nothing can move the entity back any more.
  DrawingOrderChanged = 5,
  // No object. Keeps the text style table (its members and each style's values) and the
  // current text style; undo and redo exchange them with the drawing's. Discard: the saved
  // values are deleted, and so is every style left out of the table that no other record
  // still holds.
  TextStylesReplaced = 6,
  // Object: the layer, before it changes. Keeps a copy; undo and redo exchange the layer's
  // values with the copy (the layer is re-keyed in the table, since its name may change).
  // Discard: the copy is deleted.
  LayerModified = 7,
  // Object: the layer, already in the table. Undo removes it from the table, redo puts it
  // back. Discard when undone: the layer is deleted.
  LayerAdded = 8,
  // Object: the text style, already in the table. As LayerAdded; discard when undone
  // deletes the style unless another record still holds it.
  TextStyleAdded = 9,
  // Object: the line type, already in the table. As LayerAdded.
  LineTypeAdded = 10,
  // No object. Keeps the current layer; undo and redo exchange it with the drawing's.
  CurrentLayerChanged = 11,
  // Object: the layer, already out of the table (and not deleted). Undo puts it back, redo
  // removes it again. Discard when applied: the layer is deleted.
  LayerRemoved = 12,
  // Object: the block definition, already in the table. Undo removes it, redo puts it back
  // and re-binds the references to it. Discard when undone: the definition is deleted.
  BlockAdded = 13,
  // Object: the block definition, already out of the table. Undo puts it back and re-binds
  // the references, redo removes it. Discard when applied: the definition is deleted.
  BlockRemoved = 14,
  // Object: the block definition, before it is reloaded. Keeps a copy; undo and redo
  // exchange the contents of the definition of that name with the copy and re-bind the
  // references. Discard: the copy is deleted.
  BlockReloaded = 15,
};

inline constexpr int kFirstUndoKind = 1;
inline constexpr int kLastUndoKind = 15;

}  // namespace korvo
