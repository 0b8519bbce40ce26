#include "plugin/service_support.h"

#include <cmath>

#include "core/drawing.h"
#include "core/entity.h"
#include "platform/scoped_change.h"
#include "view/view.h"

namespace korvo {

bool IsFinite(const PluginPoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

void RecordModification(PluginContext& context, Entity& entity) {
  Entity* target = &entity;
  if (entity.AsVertex() != nullptr) {
    if (Entity* polyline = context.ContainerOf(&entity)) target = polyline;
  }
  if (context.temporaryEntities.contains(target) || context.changedEntities.contains(target))
    return;
  if (!context.IsInDrawingList(target)) return;
  context.changedEntities.insert(target);
  context.drawing->undo.RecordEntityChange(UndoKind::EntityModified, target);
}

bool RefreshBlocks(PluginContext& context, Repaint repaint) {
  const bool refreshed = context.RefreshPendingBlocks();
  if (refreshed) context.drawing->SetModifiedFlag();
  if (refreshed || repaint == Repaint::Always) {
    // At once, even while the plug-in's repaints wait.
    const ScopedChange painting(context.view->paintSuspended, false);
    context.view->Paint();
  }
  return refreshed;
}

Entity* UsableEntity(PluginContext* context, PluginEntity* pointer, EntityUse use) {
  if (Live(context) == nullptr) return nullptr;
  Entity* entity = context->CheckEntity(pointer);
  if (entity == nullptr || entity->visible == 0) return nullptr;
  if (use == EntityUse::Modify && entity->IsErased()) return nullptr;
  return entity;
}

}  // namespace korvo
