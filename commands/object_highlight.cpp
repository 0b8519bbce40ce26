#include "commands/object_highlight.h"

#include "core/element_code.h"
#include "core/entity.h"
#include "view/view.h"

namespace korvo {

ObjectHighlight::ObjectHighlight(View& view, Entity& entity) : view_(view), entity_(&entity) {
  view_.DrawXor(entity);
  entity.flags |= EntityFlag::Selected;
  view_.DrawXor(entity);
  shownOn_ = view_.windowGeneration();
}

void ObjectHighlight::Remove() {
  if (entity_ == nullptr) return;
  if (view_.windowGeneration() == shownOn_) {
    view_.DrawXor(*entity_);
    entity_->flags &= ~EntityFlag::Selected;
    view_.DrawXor(*entity_);
  } else {
    // A repaint since (a zoom, a pan, the grid toggled) showed a picture that does not hold
    // the highlight as it was drawn here: XOR would leave a remnant, a new picture does not.
    entity_->flags &= ~EntityFlag::Selected;
    view_.InvalidatePicture(PictureBitmap::Keep);
    view_.RepaintNow();
  }
  entity_ = nullptr;
}

}  // namespace korvo
