#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/entity_list.h"
#include "geometry/point.h"
#include "plugin/plugin_api.h"

namespace korvo {

class BlockDefinition;
class CommandEngine;
class Drawing;
class Entity;
class FileCommands;
class Layer;
class LineType;
class PropertySheetModel;
class TextStyle;
class View;
class Window;

// What a plug-in command runs in: built by RunPluginCommand for one command, handed to the
// module as an opaque pointer whose first word is the service table, destroyed when the
// module's entry point returns. The services keep their state here; nothing survives the
// command.
//
// Pointers the plug-in hands back (entities, layers, blocks, line types, text styles,
// dialogs) are never dereferenced before the context has checked that it issued them and
// that they still belong to its drawing: a stale or foreign pointer is refused.
class PluginContext {
 public:
  // `engine` may be null: the context is then not live and every service refuses.
  PluginContext(CommandEngine* engine, std::u16string arguments);
  // Deletes the temporary entities still held, destroys the dialogs still open and
  // refreshes the references to blocks still pending.
  ~PluginContext();
  PluginContext(const PluginContext&) = delete;
  PluginContext& operator=(const PluginContext&) = delete;

  // A view with a drawing: the services may act.
  bool IsLive() const { return engine != nullptr && view != nullptr && drawing != nullptr; }

  // --- objects crossing the boundary
  // The entity behind a plug-in pointer: one this context handed out that is still in the
  // drawing's entity list, in a block definition of the drawing, in a polyline of either, or
  // among the temporary entities; null otherwise (the pointer is never dereferenced then).
  Entity* CheckEntity(PluginEntity* entity) const;
  PluginEntity* Issue(Entity* entity);
  Layer* CheckLayer(PluginLayer* layer) const;
  PluginLayer* Issue(Layer* layer);
  BlockDefinition* CheckBlock(PluginBlock* block) const;
  PluginBlock* Issue(BlockDefinition* block);
  LineType* CheckLineType(PluginLineType* lineType) const;
  PluginLineType* Issue(LineType* lineType);
  TextStyle* CheckTextStyle(PluginTextStyle* style) const;
  PluginTextStyle* Issue(TextStyle* style);
  PropertySheetModel* CheckDialog(PluginDialog* dialog) const;

  // The 32-bit handles of the settings record; 0 for null. The same object always gets the
  // same handle within a context.
  PluginHandle HandleOf(const void* object);
  LineType* LineTypeOfHandle(PluginHandle handle) const;
  Layer* LayerOfHandle(PluginHandle handle) const;
  TextStyle* TextStyleOfHandle(PluginHandle handle) const;

  // --- the fields of the context, in the system's order
  const PluginServiceTable* serviceTable;  // first word: what the plug-in calls through
  void* moduleHandle = nullptr;
  View* view = nullptr;
  std::vector<Point> queuedPoints;
  std::vector<int16_t> queuedCodes;
  std::vector<std::unique_ptr<LineType>> libraryLineTypes;
  std::u16string arguments;
  std::u16string documentPath;
  std::u16string documentTitle;
  // Where a child enumeration stands: the node and the entity it held, so that a node the
  // entity left is noticed. The null key is the drawing.
  struct ChildCursor {
    ListPosition position;
    const Entity* at = nullptr;
  };
  std::map<const Entity*, ChildCursor> childCursors;
  std::size_t selectionCursor = 0;
  std::size_t layerCursor = 0;
  std::size_t textStyleCursor = 0;
  std::size_t blockCursor = 0;
  std::size_t lineTypeCursor = 0;
  bool lineTypeCursorInDrawing = true;
  std::unordered_map<Entity*, std::unique_ptr<Entity>> temporaryEntities;
  std::unordered_map<PropertySheetModel*, std::unique_ptr<PropertySheetModel>> dialogs;
  std::unordered_set<const Entity*> changedEntities;
  std::map<BlockDefinition*, bool> changedBlocks;  // true: references still to refresh
  std::unordered_set<const Layer*> changedLayers;
  bool lineTypeLibraryLoaded = false;
  Window* mainWindow = nullptr;
  uintptr_t reserved = 0;

  // --- what the host needs besides
  CommandEngine* engine = nullptr;
  Drawing* drawing = nullptr;
  // The entities drawn with exclusive-or an odd number of times, each with the window
  // repaint it was drawn on (View::windowGeneration). A repaint since then took the picture
  // off the window, so the drawing that would take it off is skipped instead of leaving a
  // ghost.
  std::unordered_map<const Entity*, uint64_t> exclusiveOrShown;
  // The session's files (the bitmap export's kept options and dialog); may be null.
  FileCommands* files = nullptr;
  // The name CreatePropertyDialog uses instead of the one it is given (a scripted command).
  std::u16string dialogNameOverride;
  // The loaded module's string resource `id` (empty when it has none); set by the loader.
  std::function<std::u16string(int32_t id)> moduleString;
  // Memory handed to the plug-in (Intersect), released by FreeMemory or with the context.
  std::unordered_map<void*, std::unique_ptr<PluginPoint[]>> allocations;

  // --- what the host does to objects it issued
  // Forgets an entity the host is about to delete (and whatever it holds), so that its
  // pointer is refused from then on even if the memory is reused.
  void Forget(const Entity* entity);
  // The polyline whose vertex list holds `entity`; null for any other entity. Only for an
  // entity that passed CheckEntity.
  Entity* ContainerOf(const Entity* entity) const;
  // Whether `entity` sits directly in the drawing's entity list (where undo records it).
  bool IsInDrawingList(const Entity* entity) const;
  // Issues an entity the host found at `position` of `list` (the drawing's list, a block
  // definition, or the vertex list of `polyline`), without searching for it.
  PluginEntity* IssueAt(Entity* entity, const EntityList& list, ListPosition position,
                        Entity* polyline = nullptr);
  // Re-binds the references to every block still pending in `changedBlocks`; true when there
  // was one.
  bool RefreshPendingBlocks();

 private:
  // Where an issued entity was found: a list it belongs to, and its node there. The list is
  // the drawing's, a block definition's or a polyline's vertex list; the node is checked
  // before anything is dereferenced, and searched for again when the entity moved.
  struct EntityPlace {
    enum class In : uint8_t { Drawing, Block, Polyline, Temporary } in = In::Drawing;
    const void* owner = nullptr;  // the block definition or the polyline entity
    ListPosition position;
  };
  bool FindPlace(const Entity* entity, EntityPlace& place) const;
  bool StillThere(const Entity* entity, EntityPlace& place, int depth) const;
  const EntityList* ListOf(const EntityPlace& place, int depth) const;
  bool HoldsBlock(const void* block) const;
  bool HoldsLayer(const void* layer) const;
  bool HoldsLineType(const void* lineType) const;
  bool HoldsTextStyle(const void* style) const;

  // Mutable: a check that finds an entity at a new node remembers it.
  mutable std::unordered_map<const Entity*, EntityPlace> entities_;
  std::unordered_set<const void*> issued_;  // layers, blocks, line types, text styles
  std::unordered_map<const void*, PluginHandle> handles_;
  std::vector<const void*> handleObjects_;  // handle - 1 -> object
};

}  // namespace korvo
