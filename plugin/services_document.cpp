#include "plugin/service_table.h"

namespace korvo {

// FIXME: the services of this group are being written; until then none is offered.
void* DocumentService(int32_t id) {
  static_cast<void>(id);
  return nullptr;
}

}  // namespace korvo
