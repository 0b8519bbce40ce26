#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "commands/command_engine.h"
#include "commands/file_commands.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "core/insert_entity.h"
#include "core/polyline_entity.h"
#include "exchange/bitmap_export.h"
#include "geometry/transform.h"
#include "plugin/entity_service_parts.h"
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
  if (xorMode != 1) {
    context->view->DrawOver(*e);
    return 1;
  }
  View& view = *context->view;
  const auto shown = context->exclusiveOrShown.find(e);
  if (shown == context->exclusiveOrShown.end()) {
    view.DrawXor(*e);
    context->exclusiveOrShown.emplace(e, view.windowGeneration());
    return 1;
  }
  if (shown->second == view.windowGeneration()) view.DrawXor(*e);
  context->exclusiveOrShown.erase(shown);
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

int32_t TranslateEntity(PluginPtr context, PluginEnt entity, double dx, double dy) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || !std::isfinite(dx) || !std::isfinite(dy)) return 0;
  RecordModification(*context, *e);
  e->Translate(Point(dx, dy));
  MarkChanged(*context, *e);
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
  MarkChanged(*context, *e);
  return 1;
}

int32_t RotateEntity(PluginPtr context, PluginEnt entity, const PluginPoint* center, double angle) {
  Entity* e = UsableEntity(context, entity, EntityUse::Modify);
  if (e == nullptr || center == nullptr || !IsFinite(*center) || !std::isfinite(angle)) return 0;
  RecordModification(*context, *e);
  e->Rotate(Rotation::About(ToPoint(*center), angle));
  MarkChanged(*context, *e);
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
  MarkChanged(*context, *e);
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
  const Background background = (flags & 1) != 0 ? Background::White : Background::Black;
  const std::filesystem::path path = Utf16ToUtf8(fileName);
  const BitmapOptionsSource source =
      mode == 1 ? BitmapOptionsSource::Dialog : BitmapOptionsSource::Arguments;
  if (context->files != nullptr)
    return context->files->ExportBitmapFile(path, source, width, height, background) ? 1 : 0;
  // Without the session's files there is no dialog to ask and no options kept.
  if (source == BitmapOptionsSource::Dialog) return 0;
  BitmapExportOptions options;
  return ExportBitmap(*context->drawing, path, options, source, width, height, background,
                      context->engine->messageBox())
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
    case PluginService::ExportBitmap:
      return ServiceAddressOf<ExportBitmapFn>(&ExportBitmapService);
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
      break;
  }
  if (void* address = EntityWalkService(id)) return address;
  return EntityPropertyService(id);
}

}  // namespace korvo
