#include "plugin/plugin_context.h"

#include "commands/command_engine.h"
#include "core/block_binding.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/property_sheet.h"
#include "platform/utf16.h"
#include "plugin/service_table.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// A vertex's place names its polyline, whose place names the drawing or a block: two levels.
constexpr int kMaxPlaceDepth = 2;

std::u16string PathText(const std::filesystem::path& path) {
  return Utf8ToUtf16(path.string());
}

template <typename Table>
bool TableHolds(const Table& table, const void* object) {
  if (object == nullptr) return false;
  for (const auto* entry : table) {
    if (entry == object) return true;
  }
  return false;
}

}  // namespace

PluginContext::PluginContext(CommandEngine* engine_, std::u16string arguments_)
    : serviceTable(&HostServiceTable()), arguments(std::move(arguments_)), engine(engine_) {
  if (engine == nullptr) return;
  view = &engine->view();
  drawing = &engine->drawing();
  mainWindow = engine->frameWindow();
  documentPath = PathText(drawing->path);
  documentTitle = PathText(drawing->path.filename());
}

PluginContext::~PluginContext() {
  // The plug-in's previews and dialogs die with the command even when it forgot them.
  temporaryEntities.clear();
  dialogs.clear();
  if (IsLive()) RefreshPendingBlocks();
}

bool PluginContext::RefreshPendingBlocks() {
  bool refreshed = false;
  for (auto& [block, pending] : changedBlocks) {
    if (!pending) continue;
    pending = false;
    if (!HoldsBlock(block)) continue;
    RebindBlock(drawing->entities, *block);
    for (BlockDefinition* other : drawing->blocks) {
      if (other != block) RebindBlock(*other, *block);
    }
    refreshed = true;
  }
  return refreshed;
}

// --- entities

const EntityList* PluginContext::ListOf(const EntityPlace& place, int depth) const {
  switch (place.in) {
    case EntityPlace::In::Drawing:
      return &drawing->entities;
    case EntityPlace::In::Block:
      return HoldsBlock(place.owner) ? static_cast<const BlockDefinition*>(place.owner) : nullptr;
    case EntityPlace::In::Polyline: {
      const auto* polyline = static_cast<const Entity*>(place.owner);
      const auto found = entities_.find(polyline);
      if (depth >= kMaxPlaceDepth || found == entities_.end() ||
          !StillThere(polyline, found->second, depth + 1))
        return nullptr;
      return polyline->AsVertexList();
    }
    case EntityPlace::In::Temporary:
      return nullptr;
  }
  return nullptr;
}

bool PluginContext::StillThere(const Entity* entity, EntityPlace& place, int depth) const {
  if (place.in == EntityPlace::In::Temporary)
    return temporaryEntities.contains(const_cast<Entity*>(entity));
  const EntityList* list = ListOf(place, depth);
  if (list == nullptr) return false;
  if (list->Holds(place.position, entity)) return true;
  // Moved within its list (drawing order, undo): found again by address alone.
  const ListPosition moved = list->Find(entity);
  if (!moved) return false;
  place.position = moved;
  return true;
}

bool PluginContext::FindPlace(const Entity* entity, EntityPlace& place) const {
  if (temporaryEntities.contains(const_cast<Entity*>(entity))) {
    place = {EntityPlace::In::Temporary, nullptr, {}};
    return true;
  }
  if (const ListPosition p = drawing->entities.Find(entity)) {
    place = {EntityPlace::In::Drawing, nullptr, p};
    return true;
  }
  for (const BlockDefinition* block : drawing->blocks) {
    if (const ListPosition p = block->Find(entity)) {
      place = {EntityPlace::In::Block, block, p};
      return true;
    }
  }
  return false;
}

Entity* PluginContext::CheckEntity(PluginEntity* pointer) const {
  if (pointer == nullptr || !IsLive()) return nullptr;
  const auto* entity = reinterpret_cast<const Entity*>(pointer);
  const auto found = entities_.find(entity);
  if (found == entities_.end() || !StillThere(entity, found->second, 0)) return nullptr;
  return const_cast<Entity*>(entity);
}

PluginEntity* PluginContext::Issue(Entity* entity) {
  if (entity == nullptr || !IsLive()) return nullptr;
  // Issued before and still where it was: no search through the drawing again.
  if (CheckEntity(reinterpret_cast<PluginEntity*>(entity)) != nullptr)
    return reinterpret_cast<PluginEntity*>(entity);
  EntityPlace place;
  if (!FindPlace(entity, place)) return nullptr;
  entities_[entity] = place;
  return reinterpret_cast<PluginEntity*>(entity);
}

PluginEntity* PluginContext::IssueAt(Entity* entity, const EntityList& list, ListPosition position,
                                     Entity* polyline) {
  if (entity == nullptr || !IsLive() || !list.Holds(position, entity)) return nullptr;
  EntityPlace place{EntityPlace::In::Drawing, nullptr, position};
  if (polyline != nullptr) {
    if (polyline->AsVertexList() != &list) return nullptr;
    // A walk over the vertices finds the polyline issued already; only the first one searches.
    auto* issued = reinterpret_cast<PluginEntity*>(polyline);
    if (CheckEntity(issued) == nullptr && CheckEntity(Issue(polyline)) == nullptr) return nullptr;
    place = {EntityPlace::In::Polyline, polyline, position};
  } else if (&list != &drawing->entities) {
    const BlockDefinition* owner = nullptr;
    for (const BlockDefinition* block : drawing->blocks) {
      if (static_cast<const EntityList*>(block) == &list) owner = block;
    }
    if (owner == nullptr) return nullptr;
    place = {EntityPlace::In::Block, owner, position};
  }
  entities_[entity] = place;
  return reinterpret_cast<PluginEntity*>(entity);
}

void PluginContext::Forget(const Entity* entity) {
  entities_.erase(entity);
  exclusiveOrShown.erase(entity);
  std::erase_if(entities_, [entity](const auto& entry) {
    return entry.second.in == EntityPlace::In::Polyline && entry.second.owner == entity;
  });
}

Entity* PluginContext::ContainerOf(const Entity* entity) const {
  const auto found = entities_.find(entity);
  if (found == entities_.end() || found->second.in != EntityPlace::In::Polyline) return nullptr;
  return const_cast<Entity*>(static_cast<const Entity*>(found->second.owner));
}

bool PluginContext::IsInDrawingList(const Entity* entity) const {
  const auto found = entities_.find(entity);
  return found != entities_.end() && found->second.in == EntityPlace::In::Drawing &&
         StillThere(entity, found->second, 0);
}

// --- table entries: issued here and still in this drawing's table

bool PluginContext::HoldsBlock(const void* block) const {
  return IsLive() && TableHolds(drawing->blocks, block);
}

bool PluginContext::HoldsLayer(const void* layer) const {
  return IsLive() && TableHolds(drawing->layers, layer);
}

bool PluginContext::HoldsLineType(const void* lineType) const {
  if (!IsLive() || lineType == nullptr) return false;
  // The built-in line types are shared by every drawing and never freed.
  if (lineType == &ContinuousLineType() || lineType == &ByBlockLineType() ||
      lineType == &ByLayerLineType())
    return true;
  return TableHolds(drawing->lineTypes, lineType);
}

bool PluginContext::HoldsTextStyle(const void* style) const {
  return IsLive() && TableHolds(drawing->textStyles, style);
}

Layer* PluginContext::CheckLayer(PluginLayer* layer) const {
  if (!issued_.contains(layer) || !HoldsLayer(layer)) return nullptr;
  return reinterpret_cast<Layer*>(layer);
}

PluginLayer* PluginContext::Issue(Layer* layer) {
  if (!HoldsLayer(layer)) return nullptr;
  issued_.insert(layer);
  return reinterpret_cast<PluginLayer*>(layer);
}

BlockDefinition* PluginContext::CheckBlock(PluginBlock* block) const {
  if (!issued_.contains(block) || !HoldsBlock(block)) return nullptr;
  return reinterpret_cast<BlockDefinition*>(block);
}

PluginBlock* PluginContext::Issue(BlockDefinition* block) {
  if (!HoldsBlock(block)) return nullptr;
  issued_.insert(block);
  return reinterpret_cast<PluginBlock*>(block);
}

LineType* PluginContext::CheckLineType(PluginLineType* lineType) const {
  if (!issued_.contains(lineType) || !HoldsLineType(lineType)) return nullptr;
  return reinterpret_cast<LineType*>(lineType);
}

PluginLineType* PluginContext::Issue(LineType* lineType) {
  if (!HoldsLineType(lineType)) return nullptr;
  issued_.insert(lineType);
  return reinterpret_cast<PluginLineType*>(lineType);
}

TextStyle* PluginContext::CheckTextStyle(PluginTextStyle* style) const {
  if (!issued_.contains(style) || !HoldsTextStyle(style)) return nullptr;
  return reinterpret_cast<TextStyle*>(style);
}

PluginTextStyle* PluginContext::Issue(TextStyle* style) {
  if (!HoldsTextStyle(style)) return nullptr;
  issued_.insert(style);
  return reinterpret_cast<PluginTextStyle*>(style);
}

PropertySheetModel* PluginContext::CheckDialog(PluginDialog* dialog) const {
  const auto found = dialogs.find(reinterpret_cast<PropertySheetModel*>(dialog));
  return found == dialogs.end() ? nullptr : found->second.get();
}

// --- settings-record handles

PluginHandle PluginContext::HandleOf(const void* object) {
  if (object == nullptr) return 0;
  const auto found = handles_.find(object);
  if (found != handles_.end()) return found->second;
  handleObjects_.push_back(object);
  const auto handle = static_cast<PluginHandle>(handleObjects_.size());
  handles_.emplace(object, handle);
  return handle;
}

LineType* PluginContext::LineTypeOfHandle(PluginHandle handle) const {
  if (handle == 0 || handle > handleObjects_.size()) return nullptr;
  const void* object = handleObjects_[handle - 1];
  return HoldsLineType(object) ? static_cast<LineType*>(const_cast<void*>(object)) : nullptr;
}

Layer* PluginContext::LayerOfHandle(PluginHandle handle) const {
  if (handle == 0 || handle > handleObjects_.size()) return nullptr;
  const void* object = handleObjects_[handle - 1];
  return HoldsLayer(object) ? static_cast<Layer*>(const_cast<void*>(object)) : nullptr;
}

TextStyle* PluginContext::TextStyleOfHandle(PluginHandle handle) const {
  if (handle == 0 || handle > handleObjects_.size()) return nullptr;
  const void* object = handleObjects_[handle - 1];
  return HoldsTextStyle(object) ? static_cast<TextStyle*>(const_cast<void*>(object)) : nullptr;
}

}  // namespace korvo
