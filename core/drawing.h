#pragma once

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/drawing_settings.h"
#include "core/entity_index.h"
#include "core/entity_list.h"
#include "core/tables.h"
#include "core/undo_stack.h"
#include "text/line_type_table.h"

namespace korvo {

class Entity;

// A drawing: everything a drawing file holds (entities, settings, the four tables) and
// the editing state that lives with it (undo history, selection, pending highlight changes).
class Drawing {
 public:
  Drawing() { entities.SetObserver(&index_); }
  // Discards the undo history first: it may hold entities and table entries of its own.
  ~Drawing();
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  // Clears, then adds layer "0", the built-in line types and text style "STANDARD".
  void New();
  // After a file was read: adds whatever of layer "0", the built-in line types and
  // "STANDARD" is missing and makes the missing current entries current.
  void CompleteAfterOpen();
  // Discards the undo history (by the rules of each record), then deletes every entity,
  // layer, text style, block and non-built-in line type; empties the selection; resets the
  // settings.
  void Clear();

  // Selection. The flag bit and `selection` always agree for entities selected here; the
  // pending maps keep only the net change since the view last painted, so a select and a
  // deselect in between cancel out.
  //
  // Appends to the selection and sets the selected flag; nothing if already selected.
  void Select(Entity* entity);
  // Clears the flag and takes the entity out of the selection; nothing if it is not
  // selected or not in the selection.
  void Deselect(Entity* entity);
  // Deselect for every member, from the last selected to the first.
  void ClearSelection();
  void DeselectAll() { ClearSelection(); }  // the same, under the view's older name
  // Takes the entity out of the selection and of both pending maps and clears its flag,
  // leaving no highlight change to paint: for entities about to disappear from the picture.
  void DropFromSelection(Entity* entity);

  // Erasing. Erase records an undo step (kind EntityErased) and sets the erased flag after
  // taking the entity out of the selection; the entity stays in `entities`, invisible, until
  // its undo record is discarded. False, and nothing done, for an entity that is already
  // erased or not in `entities`. Neither marks the drawing modified: the command does, once.
  bool Erase(Entity* entity);
  // Erases every selected entity as Erase does and empties the selection; returns how many
  // were erased.
  int EraseSelected();
  // Unlinks the entity from `entities` and deletes it, without undo. `where` is where it is
  // expected (checked; searched for when it is not there). False when it is not in the list.
  // Only for entities that no undo record refers to: the history discards through this.
  bool Delete(Entity* entity, ListPosition where = {});

  // Drawing order. Bring to front walks the list from the head and appends each of the given
  // entities at the tail; send to back walks it from the tail and puts each at the head, so
  // both keep the order among the moved entities. The node an entity leaves keeps a hidden
  // marker that an undo record (kind DrawingOrderChanged) uses to put it back. Markers and
  // erased entities are not moved. Returns how many entities moved.
  int BringToFront(std::span<Entity* const> chosen);
  int SendToBack(std::span<Entity* const> chosen);

  // True when a non-erased entity, or an entity carried by a non-erased block reference,
  // is on `layer`, at any depth. The entities of block definitions count too: a definition
  // that is not referenced now may be inserted later, and its entities must not be left
  // pointing at a removed layer.
  bool IsLayerUsed(const Layer* layer) const;
  // Renames the references to a block, in the drawing's entities and in every definition.
  void RenameBlock(std::u16string_view oldName, std::u16string_view newName);
  // "%s%d" of prefix and counter, counting up until no block has that name; the counter is
  // left one past the number used.
  std::u16string MakeUniqueBlockName(std::u16string_view prefix, int& counter) const;

  bool IsModified() const { return modified_; }
  // Marking the drawing modified tells the views (which then re-render) and has the spatial
  // index re-measure the entities before it next answers.
  void SetModifiedFlag(bool modified = true);

  // The spatial index of `entities`. It follows additions, removals and reordering by
  // itself; entities changed in place are re-measured once the drawing is marked modified
  // or NoteEntitiesChanged is called. Answering brings it up to date, hence usable on a
  // const drawing.
  EntityIndex& index() const { return index_; }
  void NoteEntitiesChanged() { index_.NoteContentChanged(); }
  // FIXME: there is one listener slot, so a second view that sets its listener silently
  // replaces the first; a drawing shown in two views needs a list of listeners.
  void SetModifiedListener(std::function<void(bool)> listener) {
    modifiedListener_ = std::move(listener);
  }

  std::filesystem::path path;  // empty for a new drawing

  // Records refer to the entities and tables below and are discarded before them.
  UndoStack undo{*this};

  // Pending highlight changes since the last paint.
  std::unordered_set<Entity*> newlySelected;
  std::unordered_set<Entity*> newlyDeselected;
  EntityList entities;  // drawing order: first drawn first
  DrawingSettings settings;
  std::vector<Entity*> selection;  // selection order, newest last; not owned
  LineTypeTable lineTypes;
  LayerTable layers;
  TextStyleTable textStyles;
  BlockTable blocks;

 private:
  bool modified_ = false;
  std::function<void(bool)> modifiedListener_;
  // A cache of where the entities are, kept beside them.
  mutable EntityIndex index_{entities};
};

// Layer "0": colour 7, CONTINUOUS, the default line weight.
Layer* MakeDefaultLayer();
// Text style "STANDARD": font "TXT", height 0, width factor 1.
TextStyle* MakeStandardTextStyle();

}  // namespace korvo
