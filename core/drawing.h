#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/drawing_settings.h"
#include "core/entity_list.h"
#include "core/tables.h"
#include "text/line_type_table.h"

namespace korvo {

class Entity;

// The document: everything a drawing file holds (entities, settings, the four tables) and
// the editing state that lives with it (selection, pending highlight changes).
class Drawing {
 public:
  Drawing() = default;
  ~Drawing();
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  // Clears, then adds layer "0", the built-in line types and text style "STANDARD".
  void New();
  // After a file was read: adds whatever of layer "0", the built-in line types and
  // "STANDARD" is missing and makes the missing current entries current.
  void CompleteAfterOpen();
  // Deletes every entity, layer, text style, block and non-built-in line type; empties the
  // selection; resets the settings.
  void Clear();

  void Select(Entity* entity);
  void Deselect(Entity* entity);
  void DeselectAll();

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
  // Marking the drawing modified tells the views (which then re-render).
  void SetModifiedFlag(bool modified = true);
  void SetModifiedListener(std::function<void(bool)> listener) {
    modifiedListener_ = std::move(listener);
  }

  std::filesystem::path path;  // empty for a new drawing

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
};

// Layer "0": colour 7, CONTINUOUS, the default line weight.
Layer* MakeDefaultLayer();
// Text style "STANDARD": font "TXT", height 0, width factor 1.
TextStyle* MakeStandardTextStyle();

}  // namespace korvo
