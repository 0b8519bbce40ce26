#include "core/drawing.h"

#include <algorithm>

#include "core/block_binding.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "platform/text_format.h"

namespace korvo {

Drawing::~Drawing() {
  undo.Reset();
  // Entities point into the tables: they go first.
  entities.DeleteAll();
  // The index goes before the list.
  entities.SetObserver(nullptr);
  blocks.Clear();
}

Layer* MakeDefaultLayer() {
  return new Layer(u"0", 7, &ContinuousLineType(), -3.0);
}

TextStyle* MakeStandardTextStyle() {
  return new TextStyle(u"STANDARD", kDefaultFontName, 0, 1.0, 0, 0);
}

void Drawing::New() {
  Clear();
  Layer* layer = MakeDefaultLayer();
  layers.Add(layer);
  settings.currentLayer = layer;
  lineTypes.AddBuiltIns();
  TextStyle* style = MakeStandardTextStyle();
  textStyles.Add(style);
  settings.currentTextStyle = style;
}

void Drawing::CompleteAfterOpen() {
  if (layers.Find(u"0") == nullptr) {
    Layer* layer = MakeDefaultLayer();
    layers.Add(layer);
    settings.currentLayer = layer;
  }
  lineTypes.AddBuiltIns();
  if (textStyles.Find(u"STANDARD") == nullptr) {
    TextStyle* style = MakeStandardTextStyle();
    textStyles.Add(style);
    settings.currentTextStyle = style;
  }
  if (settings.currentTextStyle == nullptr)
    settings.currentTextStyle = textStyles.Find(u"STANDARD");
  // A file may leave the current layer unset only if it had no layers at all; keep every
  // new entity on a layer.
  if (settings.currentLayer == nullptr) settings.currentLayer = layers.Find(u"0");
}

void Drawing::Clear() {
  undo.Reset();
  newlySelected.clear();
  newlyDeselected.clear();
  selection.clear();
  entities.DeleteAll();
  settings.Reset();
  blocks.Clear();
  layers.Clear();
  lineTypes.Clear();
  textStyles.Clear();
  modified_ = false;
}

void Drawing::Select(Entity* entity) {
  if (entity == nullptr || entity->IsSelected()) return;
  selection.push_back(entity);
  entity->flags |= EntityFlag::Selected;
  if (newlyDeselected.erase(entity) == 0) newlySelected.insert(entity);
}

void Drawing::Deselect(Entity* entity) {
  if (entity == nullptr || !entity->IsSelected()) return;
  auto found = std::find(selection.rbegin(), selection.rend(), entity);
  if (found == selection.rend()) return;
  selection.erase(std::next(found).base());
  entity->flags &= ~EntityFlag::Selected;
  if (newlySelected.erase(entity) == 0) newlyDeselected.insert(entity);
}

void Drawing::ClearSelection() {
  while (!selection.empty()) {
    Entity* last = selection.back();
    if (last->IsSelected()) {
      Deselect(last);
    } else {
      selection.pop_back();  // its flag was cleared behind the selection's back
    }
  }
}

void Drawing::DropFromSelection(Entity* entity) {
  if (entity == nullptr) return;
  entity->flags &= ~EntityFlag::Selected;
  selection.erase(std::remove(selection.begin(), selection.end(), entity), selection.end());
  newlySelected.erase(entity);
  newlyDeselected.erase(entity);
}

bool Drawing::Erase(Entity* entity) {
  if (entity == nullptr || entity->IsErased()) return false;
  if (!undo.RecordEntityChange(UndoKind::EntityErased, entity)) return false;
  DropFromSelection(entity);
  entity->flags |= EntityFlag::Erased;
  return true;
}

int Drawing::EraseSelected() {
  const std::unordered_set<const Entity*> chosen(selection.begin(), selection.end());
  // Flag only: erased entities leave the picture, which is rendered again as a whole.
  for (Entity* entity : selection) {
    entity->flags &= ~EntityFlag::Selected;
    newlySelected.erase(entity);
    newlyDeselected.erase(entity);
  }
  selection.clear();
  // Opening the group may delete entities of the previous one: not in the middle of the walk.
  if (std::any_of(chosen.begin(), chosen.end(),
                  [](const Entity* entity) { return !entity->IsErased(); }))
    undo.BeginUndoGroup();
  // One walk of the list finds every node, however many entities were selected.
  int erased = 0;
  for (ListPosition p = entities.HeadPosition(); p; p = entities.Next(p)) {
    Entity* entity = entities.GetAt(p);
    if (!chosen.contains(entity) || entity->IsErased()) continue;
    if (!undo.RecordChange(UndoKind::EntityErased, entity, p)) continue;
    entity->flags |= EntityFlag::Erased;
    ++erased;
  }
  return erased;
}

bool Drawing::Delete(Entity* entity, ListPosition where) {
  if (entity == nullptr) return false;
  if (!entities.Holds(where, entity)) where = entities.Find(entity);
  if (!where) return false;
  DropFromSelection(entity);
  entities.RemoveAt(where);
  delete entity;
  return true;
}

namespace {

bool AnyOnLayer(const EntityList& list, const Layer* layer) {
  for (const Entity* entity : list) {
    if (entity->IsErased()) continue;
    if (entity->layer == layer) return true;
    if (const InsertEntity* insert = entity->AsInsert()) {
      if (AnyOnLayer(insert->expanded, layer) || AnyOnLayer(insert->attached, layer)) return true;
    }
    // Vertices are saved with their own layer.
    if (const EntityList* vertices = entity->AsVertexList();
        vertices && AnyOnLayer(*vertices, layer))
      return true;
  }
  return false;
}

}  // namespace

bool Drawing::IsLayerUsed(const Layer* layer) const {
  if (AnyOnLayer(entities, layer)) return true;
  return std::any_of(blocks.begin(), blocks.end(),
                     [&](const BlockDefinition* block) { return AnyOnLayer(*block, layer); });
}

void Drawing::RenameBlock(std::u16string_view oldName, std::u16string_view newName) {
  RenameBlockReferences(entities, oldName, newName);
  for (BlockDefinition* block : blocks) RenameBlockReferences(*block, oldName, newName);
}

std::u16string Drawing::MakeUniqueBlockName(std::u16string_view prefix, int& counter) const {
  for (;;) {
    std::u16string name = FormatMessage(u"%s%d", {prefix, int64_t{counter}});
    ++counter;
    if (blocks.Find(name) == nullptr) return name;
  }
}

void Drawing::SetModifiedFlag(bool modified) {
  if (modified) index_.NoteContentChanged();
  modified_ = modified;
  if (modifiedListener_) modifiedListener_(modified);
}

}  // namespace korvo
