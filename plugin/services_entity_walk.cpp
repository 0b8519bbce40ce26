#include <cstddef>

#include "core/drawing.h"
#include "core/entity.h"
#include "plugin/entity_service_parts.h"
#include "plugin/service_support.h"

namespace korvo {
namespace {

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

}  // namespace

void* EntityWalkService(int32_t id) {
  switch (id) {
    case PluginService::FirstSelected:
      return ServiceAddressOf<SelectedWalkFn>(&FirstSelected);
    case PluginService::NextSelected:
      return ServiceAddressOf<SelectedWalkFn>(&NextSelected);
    case PluginService::PreviousSelected:
      return ServiceAddressOf<SelectedWalkFn>(&PreviousSelected);
    case PluginService::LastSelected:
      return ServiceAddressOf<SelectedWalkFn>(&LastSelected);
    case PluginService::SetSelected:
      return ServiceAddressOf<SetSelectedFn>(&SetSelected);
    case PluginService::FirstChild:
      return ServiceAddressOf<ChildWalkFn>(&FirstChild);
    case PluginService::NextChild:
      return ServiceAddressOf<ChildWalkFn>(&NextChild);
    case PluginService::PreviousChild:
      return ServiceAddressOf<ChildWalkFn>(&PreviousChild);
    case PluginService::LastChild:
      return ServiceAddressOf<ChildWalkFn>(&LastChild);
    default:
      return nullptr;
  }
}

}  // namespace korvo
