#pragma once

#include <string_view>

#include "geometry/point.h"
#include "plugin/plugin_api.h"
#include "plugin/plugin_context.h"

namespace korvo {

class Entity;

// What the host side of the services shares.

// The context a service was called with, when it can act (a view with a drawing).
inline PluginContext* Live(PluginContext* context) {
  return context != nullptr && context->IsLive() ? context : nullptr;
}

inline Point ToPoint(const PluginPoint& p) {
  return Point(p.x, p.y);
}
inline PluginPoint ToPluginPoint(const Point& p) {
  return PluginPoint{p.x, p.y};
}
// A plug-in string; null reads as empty.
inline std::u16string_view TextOf(const char16_t* text) {
  return text != nullptr ? std::u16string_view(text) : std::u16string_view();
}
// Both coordinates are numbers the drawing can hold.
bool IsFinite(const PluginPoint& p);

// Before an entity is changed: a vertex stands for its polyline; a temporary entity, an
// entity outside the drawing's list (a block's member) and one already recorded in this
// command are not recorded; any other gets one entity-changed undo step. Only for an entity
// that passed CheckEntity.
void RecordModification(PluginContext& context, Entity& entity);

// Re-binds the references to the blocks changed in this command and shows the view at once:
// always, or only when a block was pending. True when one was.
enum class Repaint { Always, WhenRefreshed };
bool RefreshBlocks(PluginContext& context, Repaint repaint);

// Entity services refuse a null or hidden entity; modifiers refuse an erased one as well.
enum class EntityUse { Read, Modify };
Entity* UsableEntity(PluginContext* context, PluginEntity* entity, EntityUse use);

}  // namespace korvo

namespace korvo {

// The address of a service, checked against its function type at compile time.
template <typename Fn>
void* ServiceAddressOf(Fn fn) {
  return reinterpret_cast<void*>(fn);
}

}  // namespace korvo
