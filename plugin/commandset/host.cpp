#include "plugin/commandset/host.h"

#include <array>

namespace korvo::commandset {

namespace {

PluginContext* currentContext = nullptr;
std::array<void*, PluginService::Last - PluginService::First + 1> slots{};

}  // namespace

PluginContext* CurrentContext() {
  return currentContext;
}

void SetCurrentContext(PluginContext* context) {
  currentContext = context;
}

void* ServiceAddress(int32_t id) {
  if (id < PluginService::First || id > PluginService::Last) return nullptr;
  void*& slot = slots[static_cast<std::size_t>(id - PluginService::First)];
  if (slot == nullptr) slot = GetPluginService(currentContext, id);
  return slot;
}

}  // namespace korvo::commandset
