#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "core/entity_property.h"
#include "core/insert_entity.h"
#include "core/polyline_entity.h"
#include "exchange/bitmap_export.h"
#include "geometry/transform.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "view/view.h"

namespace korvo {
namespace {

// --- drawing and temporary entities

int32_t RefreshBlocksService(PluginPtr context) {
  if (Live(context) == nullptr) return 0;
  RefreshBlocks(*context, Repaint::Always);
  return 1;
}

int32_t DeleteTemporary(PluginPtr context, PluginEnt entity) {
  if (Live(context) == nullptr || entity == nullptr) return 0;
  // Found by address alone: nothing is dereferenced before the context knows the entity.
  const auto found = context->temporaryEntities.find(reinterpret_cast<Entity*>(entity));
  if (found == context->temporaryEntities.end()) return 0;
  context->Forget(found->first);
  context->temporaryEntities.erase(found);
  return 1;
}

int32_t DrawEntity(PluginPtr context, PluginEnt entity, int32_t xorMode) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr) return 0;
  if (xorMode == 1)
    context->view->DrawXor(*e);
  else
    context->view->DrawOver(*e);
  return 1;
}

// --- erasing

int32_t EraseSelected(PluginPtr context) {
  if (Live(context) == nullptr) return 0;
  Drawing& drawing = *context->drawing;
  drawing.EraseSelected();
  drawing.SetModifiedFlag();
  context->view->Paint();
  return 1;
}

int32_t EraseEntity(PluginPtr context, PluginEnt entity) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || context->temporaryEntities.contains(e)) return 0;
  Drawing& drawing = *context->drawing;
  if (!drawing.Erase(e)) return 0;
  drawing.SetModifiedFlag();
  return 1;
}

// --- the selection, walked with the context's cursor

// The entity at `index` of the selection, issued; null past either end.
PluginEnt SelectedAt(PluginContext& context, std::size_t index) {
  const auto& selection = context.drawing->selection;
  return index < selection.size() ? context.Issue(selection[index]) : nullptr;
}

// From `index` on in `step` direction, the first entity that is not erased.
int32_t WalkSelection(PluginContext& context, std::ptrdiff_t index, std::ptrdiff_t step,
                      PluginEnt* out) {
  const auto& selection = context.drawing->selection;
  for (; index >= 0 && static_cast<std::size_t>(index) < selection.size(); index += step) {
    if (selection[static_cast<std::size_t>(index)]->IsErased()) continue;
    context.selectionCursor = static_cast<std::size_t>(index);
    *out = SelectedAt(context, context.selectionCursor);
    return *out != nullptr ? 1 : 0;
  }
  *out = nullptr;
  return 0;
}

int32_t FirstSelected(PluginPtr context, PluginEnt* out) {
  if (Live(context) == nullptr || out == nullptr) return 0;
  return WalkSelection(*context, 0, 1, out);
}

int32_t NextSelected(PluginPtr context, PluginEnt* out) {
  if (Live(context) == nullptr || out == nullptr) return 0;
  return WalkSelection(*context, static_cast<std::ptrdiff_t>(context->selectionCursor) + 1, 1, out);
}

int32_t PreviousSelected(PluginPtr context, PluginEnt* out) {
  if (Live(context) == nullptr || out == nullptr) return 0;
  return WalkSelection(*context, static_cast<std::ptrdiff_t>(context->selectionCursor) - 1, -1,
                       out);
}

int32_t LastSelected(PluginPtr context, PluginEnt* out) {
  if (Live(context) == nullptr || out == nullptr) return 0;
  *out = nullptr;
  const auto& selection = context->drawing->selection;
  if (selection.empty()) return 0;
  context->selectionCursor = selection.size() - 1;
  *out = SelectedAt(*context, context->selectionCursor);
  return *out != nullptr ? 1 : 0;
}

int32_t SetSelected(PluginPtr context, PluginEnt entity, int32_t select) {
  if (Live(context) == nullptr) return 0;
  Drawing& drawing = *context->drawing;
  if (entity == nullptr) {
    if (select != 0 || drawing.selection.empty()) return 0;
    drawing.ClearSelection();
    return 1;
  }
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  // Only the drawing's own entities take part in the selection.
  if (e == nullptr || !context->IsInDrawingList(e)) return 0;
  if ((select != 0) == e->IsSelected()) return 0;
  if (select != 0)
    drawing.Select(e);
  else
    drawing.Deselect(e);
  return 1;
}

// --- children of the drawing or of a polyline

struct Children {
  const EntityList* list = nullptr;
  Entity* polyline = nullptr;  // null: the drawing's list
};

// The list a container stands for: the drawing's (null container) or a polyline's vertices.
bool ChildrenOf(PluginContext* context, PluginEnt container, Children& children) {
  if (Live(context) == nullptr) return false;
  if (container == nullptr) {
    children.list = &context->drawing->entities;
    return true;
  }
  Entity* e = UsableEntity(context, container, EntityUse::Read);
  if (e == nullptr || e->AsPolyline() == nullptr) return false;
  children = {e->AsVertexList(), e};
  return true;
}

// From `position` on in the given direction, the first entity that is not erased.
int32_t WalkChildren(PluginContext& context, const Children& children, ListPosition position,
                     bool forward, PluginEnt* out) {
  const EntityList& list = *children.list;
  for (; position; position = forward ? list.Next(position) : list.Prev(position)) {
    Entity* entity = list.GetAt(position);
    if (entity == nullptr || entity->IsErased()) continue;
    context.childCursors[children.polyline] = {position, entity};
    *out = context.IssueAt(entity, list, position, children.polyline);
    return *out != nullptr ? 1 : 0;
  }
  *out = nullptr;
  return 0;
}

// The node the container's enumeration stands on now; none when it was never started or its
// entity left the list.
ListPosition CursorOf(PluginContext& context, const Children& children) {
  const auto found = context.childCursors.find(children.polyline);
  if (found == context.childCursors.end()) return {};
  const PluginContext::ChildCursor& cursor = found->second;
  if (children.list->Holds(cursor.position, cursor.at)) return cursor.position;
  return children.list->Find(cursor.at);
}

int32_t FirstChild(PluginPtr context, PluginEnt container, PluginEnt* out) {
  Children children;
  if (out == nullptr || !ChildrenOf(context, container, children)) return 0;
  return WalkChildren(*context, children, children.list->HeadPosition(), true, out);
}

int32_t LastChild(PluginPtr context, PluginEnt container, PluginEnt* out) {
  Children children;
  if (out == nullptr || !ChildrenOf(context, container, children)) return 0;
  return WalkChildren(*context, children, children.list->TailPosition(), false, out);
}

int32_t StepChild(PluginPtr context, PluginEnt container, PluginEnt* out, bool forward) {
  Children children;
  if (out == nullptr || !ChildrenOf(context, container, children)) return 0;
  const ListPosition at = CursorOf(*context, children);
  *out = nullptr;
  if (!at) return 0;
  const EntityList& list = *children.list;
  return WalkChildren(*context, children, forward ? list.Next(at) : list.Prev(at), forward, out);
}

int32_t NextChild(PluginPtr context, PluginEnt container, PluginEnt* out) {
  return StepChild(context, container, out, true);
}

int32_t PreviousChild(PluginPtr context, PluginEnt container, PluginEnt* out) {
  return StepChild(context, container, out, false);
}

// --- questions about one entity

int32_t GetEntityKind(PluginPtr context, PluginEnt entity, uint8_t* out) {
  const Entity* e = UsableEntity(context, entity, EntityUse::Read);
  if (e == nullptr || out == nullptr) return 0;
  *out = static_cast<uint8_t>(e->GetElementCode());
  return 1;
}

int32_t IsEntityActive(PluginPtr context, PluginEnt entity, uint8_t* out) {
  const Entity* e = UsableEntity(context, entity, EntityUse::Read);
  if (e == nullptr || out == nullptr) return 0;
  *out = e->IsErased() ? 0 : 1;
  return 1;
}

int32_t GetEntityExtents(PluginPtr context, PluginEnt entity, PluginPoint* min, PluginPoint* max) {
  const Entity* e = UsableEntity(context, entity, EntityUse::Read);
  if (e == nullptr || min == nullptr || max == nullptr) return 0;
  Point low, high;
  if (!e->GetExtents(low, high)) return 0;
  *min = ToPluginPoint(low);
  *max = ToPluginPoint(high);
  return 1;
}

// --- modifications: recorded once per command, then applied

// After a change: the drawing is modified unless only a preview changed.
void Changed(PluginContext& context, Entity& entity) {
  if (!context.temporaryEntities.contains(&entity)) context.drawing->SetModifiedFlag();
}

int32_t TranslateEntity(PluginPtr context, PluginEnt entity, double dx, double dy) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || !std::isfinite(dx) || !std::isfinite(dy)) return 0;
  RecordModification(*context, *e);
  e->Translate(Point(dx, dy));
  Changed(*context, *e);
  return 1;
}

int32_t ScaleEntity(PluginPtr context, PluginEnt entity, const PluginPoint* base, double sx,
                    double sy) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || base == nullptr) return 0;
  const Scaling scaling{ToPoint(*base), sx, sy};
  if (!scaling.IsRegular()) return 0;
  RecordModification(*context, *e);
  e->Scale(scaling);
  Changed(*context, *e);
  return 1;
}

int32_t RotateEntity(PluginPtr context, PluginEnt entity, const PluginPoint* center, double angle) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || center == nullptr || !IsFinite(*center) || !std::isfinite(angle)) return 0;
  RecordModification(*context, *e);
  e->Rotate(Rotation::About(ToPoint(*center), angle));
  Changed(*context, *e);
  return 1;
}

int32_t RegenerateEntity(PluginPtr context, PluginEnt entity) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr) return 0;
  RecordModification(*context, *e);
  if (PolylineEntity* polyline = e->AsPolyline()) {
    polyline->RebuildSegments();
  } else if (InsertEntity* insert = e->AsInsert()) {
    if (const BlockDefinition* block = context->drawing->blocks.Find(insert->blockName))
      insert->SetBlock(*block);
  }
  Changed(*context, *e);
  return 1;
}

// --- properties by group code, in the value conventions of the boundary header

enum class ValueKind { Text, Double, Int, Pair, None };

ValueKind KindOfCode(int32_t code) {
  if (code > 0xFFFF) return ValueKind::Pair;
  switch (code) {
    case 1:
    case 2:
    case 3:
    case 6:
    case 7:
    case 8:
      return ValueKind::Text;
    case 370:
      return ValueKind::Double;
    default:
      break;
  }
  if ((code >= 10 && code <= 59) || (code >= 140 && code <= 149)) return ValueKind::Double;
  if ((code >= 60 && code <= 99) || (code >= 170 && code <= 179)) return ValueKind::Int;
  return ValueKind::None;
}

void CopyText(std::u16string_view text, char16_t* out) {
  const std::size_t length =
      std::min(text.size(), static_cast<std::size_t>(kPluginTextCapacity - 1));
  std::copy_n(text.data(), length, out);
  out[length] = 0;
}

int32_t GetEntityProperty(PluginPtr context, PluginEnt entity, int32_t code, void* out) {
  const Entity* e = UsableEntity(context, entity, EntityUse::Read);
  if (e == nullptr || out == nullptr) return 0;
  PropertyValue value;
  if (!e->GetProperty(code, value)) return 0;
  if (const double* d = std::get_if<double>(&value)) {
    *static_cast<double*>(out) = *d;
  } else if (const int* i = std::get_if<int>(&value)) {
    *static_cast<int32_t*>(out) = *i;
  } else if (const Point* p = std::get_if<Point>(&value)) {
    *static_cast<PluginPoint*>(out) = ToPluginPoint(*p);
  } else if (const std::u16string* text = std::get_if<std::u16string>(&value)) {
    CopyText(*text, static_cast<char16_t*>(out));
  } else {
    return 0;
  }
  return 1;
}

// The value the plug-in passes for `code`, as the entity takes it; nothing when the value
// names what the drawing does not hold or is no number the drawing can keep.
bool ReadValue(PluginContext& context, int32_t code, const void* in, PropertyValue& value) {
  Drawing& drawing = *context.drawing;
  switch (KindOfCode(code)) {
    case ValueKind::Double: {
      const double d = *static_cast<const double*>(in);
      if (!std::isfinite(d)) return false;
      value = d;
      return true;
    }
    case ValueKind::Int: {
      int32_t i = *static_cast<const int32_t*>(in);
      if (code == 62 && i == kPluginCurrentColor) i = drawing.settings.currentColorIndex;
      value = static_cast<int>(i);
      return true;
    }
    case ValueKind::Pair: {
      const auto& p = *static_cast<const PluginPoint*>(in);
      if (!IsFinite(p)) return false;
      value = ToPoint(p);
      return true;
    }
    case ValueKind::Text:
      break;
    case ValueKind::None:
      return false;
  }
  if (code == 6) {
    LineType* type = context.CheckLineType(
        static_cast<PluginLineType*>(const_cast<void*>(static_cast<const void*>(in))));
    if (type == nullptr) return false;
    value = type;
    return true;
  }
  if (code == 8) {
    Layer* layer = context.CheckLayer(
        static_cast<PluginLayer*>(const_cast<void*>(static_cast<const void*>(in))));
    if (layer == nullptr) return false;
    value = layer;
    return true;
  }
  const std::u16string_view text = TextOf(static_cast<const char16_t*>(in));
  if (code == 7) {
    TextStyle* style = drawing.textStyles.Find(text);
    if (style == nullptr) return false;
    value = style;
    return true;
  }
  value = std::u16string(text);
  return true;
}

int32_t SetEntityProperty(PluginPtr context, PluginEnt entity, int32_t code, const void* in) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || in == nullptr) return 0;
  PropertyValue value;
  if (!ReadValue(*context, code, in, value)) return 0;
  InsertEntity* insert = e->AsPolyline() == nullptr ? e->AsInsert() : nullptr;
  const BlockDefinition* block = nullptr;
  if (insert != nullptr && code == 2) {
    block = context->drawing->blocks.Find(std::get<std::u16string>(value));
    if (block == nullptr) return 0;
  }
  RecordModification(*context, *e);
  if (!e->SetProperty(code, value)) return 0;
  if (block != nullptr) insert->SetBlock(*block);
  Changed(*context, *e);
  return 1;
}

// --- geometry between entities, and memory handed to the plug-in

int32_t Intersect(PluginPtr context, PluginEnt a, PluginEnt b, PluginPoint** points,
                  int32_t* count) {
  const Entity* first = UsableEntity(context, a, EntityUse::Read);
  const Entity* second = UsableEntity(context, b, EntityUse::Read);
  if (first == nullptr || second == nullptr || points == nullptr || count == nullptr) return 0;
  *points = nullptr;
  *count = 0;
  PointList found;
  first->IntersectWith(*second, found);
  if (found.empty()) return 1;
  if (found.size() > static_cast<std::size_t>(INT32_MAX)) return 0;
  auto memory = std::make_unique<PluginPoint[]>(found.size());
  for (std::size_t i = 0; i < found.size(); ++i) memory[i] = ToPluginPoint(found[i]);
  *points = memory.get();
  *count = static_cast<int32_t>(found.size());
  context->allocations.emplace(memory.get(), std::move(memory));
  return 1;
}

int32_t FreeMemory(PluginPtr context, void* memory) {
  if (context != nullptr) context->allocations.erase(memory);
  return 1;
}

void* GetModuleHandle(PluginPtr context) {
  return Live(context) != nullptr ? context->moduleHandle : nullptr;
}

int32_t ExportBitmapService(PluginPtr context, PluginStr fileName, int32_t mode, int32_t width,
                            int32_t height, int32_t flags) {
  if (Live(context) == nullptr || fileName == nullptr || *fileName == 0) return 0;
  // FIXME: asking with the export dialog needs the shell's dialog; headless only the
  // arguments are used.
  if (mode == 1) return 0;
  BitmapExportOptions options;
  const Background background = (flags & 1) != 0 ? Background::White : Background::Black;
  const std::string path = Utf16ToUtf8(fileName);
  return ExportBitmap(*context->drawing, path, options, BitmapOptionsSource::Arguments, width,
                      height, background, context->engine->messageBox())
             ? 1
             : 0;
}

}  // namespace

void* EntityService(int32_t id) {
  switch (id) {
    case PluginService::RefreshBlocks:
      return ServiceAddressOf<RefreshBlocksFn>(&RefreshBlocksService);
    case PluginService::DeleteTemporary:
      return ServiceAddressOf<DeleteTemporaryFn>(&DeleteTemporary);
    case PluginService::DrawEntity:
      return ServiceAddressOf<DrawEntityFn>(&DrawEntity);
    case PluginService::EraseSelected:
      return ServiceAddressOf<EraseSelectedFn>(&EraseSelected);
    case PluginService::EraseEntity:
      return ServiceAddressOf<EraseEntityFn>(&EraseEntity);
    case PluginService::FirstSelected:
      return ServiceAddressOf<SelectedWalkFn>(&FirstSelected);
    case PluginService::NextSelected:
      return ServiceAddressOf<SelectedWalkFn>(&NextSelected);
    case PluginService::PreviousSelected:
      return ServiceAddressOf<SelectedWalkFn>(&PreviousSelected);
    case PluginService::LastSelected:
      return ServiceAddressOf<SelectedWalkFn>(&LastSelected);
    case PluginService::FirstChild:
      return ServiceAddressOf<ChildWalkFn>(&FirstChild);
    case PluginService::NextChild:
      return ServiceAddressOf<ChildWalkFn>(&NextChild);
    case PluginService::PreviousChild:
      return ServiceAddressOf<ChildWalkFn>(&PreviousChild);
    case PluginService::LastChild:
      return ServiceAddressOf<ChildWalkFn>(&LastChild);
    case PluginService::GetEntityKind:
      return ServiceAddressOf<GetEntityKindFn>(&GetEntityKind);
    case PluginService::IsEntityActive:
      return ServiceAddressOf<IsEntityActiveFn>(&IsEntityActive);
    case PluginService::TranslateEntity:
      return ServiceAddressOf<TranslateEntityFn>(&TranslateEntity);
    case PluginService::ScaleEntity:
      return ServiceAddressOf<ScaleEntityFn>(&ScaleEntity);
    case PluginService::RotateEntity:
      return ServiceAddressOf<RotateEntityFn>(&RotateEntity);
    case PluginService::GetEntityProperty:
      return ServiceAddressOf<GetEntityPropertyFn>(&GetEntityProperty);
    case PluginService::SetEntityProperty:
      return ServiceAddressOf<SetEntityPropertyFn>(&SetEntityProperty);
    case PluginService::ExportBitmap:
      return ServiceAddressOf<ExportBitmapFn>(&ExportBitmapService);
    case PluginService::SetSelected:
      return ServiceAddressOf<SetSelectedFn>(&SetSelected);
    case PluginService::Intersect:
      return ServiceAddressOf<IntersectFn>(&Intersect);
    case PluginService::GetModuleHandle:
      return ServiceAddressOf<GetModuleHandleFn>(&GetModuleHandle);
    case PluginService::FreeMemory:
      return ServiceAddressOf<FreeMemoryFn>(&FreeMemory);
    case PluginService::GetEntityExtents:
      return ServiceAddressOf<GetEntityExtentsFn>(&GetEntityExtents);
    case PluginService::RegenerateEntity:
      return ServiceAddressOf<RegenerateEntityFn>(&RegenerateEntity);
    default:
      return nullptr;
  }
}

}  // namespace korvo
