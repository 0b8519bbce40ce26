#include "plugin/service_table.h"

#include <initializer_list>

namespace korvo {

namespace {

void* GetServiceEntry(PluginContext* context, int32_t id) {
  return GetService(context, id);
}

constexpr PluginServiceTable kTable = {&GetServiceEntry};

}  // namespace

const PluginServiceTable& HostServiceTable() {
  return kTable;
}

void* GetService(PluginContext* context, int32_t id) {
  static_cast<void>(context);
  if (id < PluginService::First || id > PluginService::Last) return nullptr;
  for (auto* group : {DocumentService, InputService, CreationService, EntityService, TableService,
                      SettingsService, DialogService}) {
    if (void* address = group(id)) return address;
  }
  return nullptr;
}

}  // namespace korvo
