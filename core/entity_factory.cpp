#include "core/entity_factory.h"

#include "platform/message_box.h"
#include "platform/text_format.h"

namespace korvo {

std::unique_ptr<Entity> CreateEntity(int elementCode) {
  switch (elementCode) {
    default:
      break;
  }
  ShowMessage(FormatMessage(u"Undetermined element code: %d", {int64_t{elementCode}}));
  return nullptr;
}

}  // namespace korvo
