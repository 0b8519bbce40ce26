#include "core/entity_factory.h"

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"

#include "platform/message_box.h"
#include "platform/text_format.h"

namespace korvo {

std::unique_ptr<Entity> CreateEntity(int elementCode) {
  switch (elementCode) {
    case ElementCode::Circle:
      return std::make_unique<CircleEntity>();
    case ElementCode::Arc:
      return std::make_unique<ArcEntity>();
    case ElementCode::Ellipse:
      return std::make_unique<EllipseEntity>();
    default:
      break;
  }
  ShowMessage(FormatMessage(u"Undetermined element code: %d", {int64_t{elementCode}}));
  return nullptr;
}

}  // namespace korvo
