#include "commands/object_highlight.h"

#include "core/element_code.h"
#include "core/entity.h"
#include "view/view.h"

namespace korvo {

ObjectHighlight::ObjectHighlight(View& view, Entity& entity) : view_(view), entity_(&entity) {
  view_.DrawXor(entity);
  entity.flags |= EntityFlag::Selected;
  view_.DrawXor(entity);
}

void ObjectHighlight::Remove() {
  if (entity_ == nullptr) return;
  view_.DrawXor(*entity_);
  entity_->flags &= ~EntityFlag::Selected;
  view_.DrawXor(*entity_);
  entity_ = nullptr;
}

}  // namespace korvo
