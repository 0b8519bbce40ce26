#include "plugin/service_table.h"

namespace korvo {

// FIXME: the services of this group are being written; until then none is offered.
void* SettingsService(int32_t id) {
  static_cast<void>(id);
  return nullptr;
}

}  // namespace korvo
