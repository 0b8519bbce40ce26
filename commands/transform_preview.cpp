#include "commands/transform_preview.h"

#include "core/element_code.h"
#include "core/entity.h"
#include "text/line_type.h"
#include "view/view.h"

namespace korvo {

namespace {
constexpr int kBandColorIndex = 7;
}  // namespace

TransformPreview::TransformPreview(View& view, std::span<Entity* const> sources) : view_(view) {
  for (Entity* source : sources) {
    Entity* clone = EntityList::Clone(*source);
    if (clone == nullptr) continue;
    sources_.push_back(source);
    clones_.AddTail(clone);
  }
  band_.layer = &bandLayer_;
  band_.lineType = &ContinuousLineType();
  band_.lineWeight = LineWeight::Default;
  band_.SetColorIndex(kBandColorIndex);
}

TransformPreview::~TransformPreview() {
  Hide();
}

void TransformPreview::Show(const std::optional<EditTransform>& transform,
                            const PenMoveWaiting& waiting, const std::optional<Point>& bandFrom,
                            const Point& bandTo) {
  Hide();
  shownOn_ = view_.windowGeneration();
  if (bandFrom) {
    band_.start = *bandFrom;
    band_.end = bandTo;
    view_.DrawXor(band_);
    bandShown_ = true;
  }
  if (!transform) return;
  // Each picture starts from the sources, so no rounding builds up over many pen moves.
  std::size_t i = 0;
  for (Entity* clone : clones_) {
    clone->CopyFrom(*sources_[i++]);
    transform->Apply(*clone);
  }
  objectsShown_ = true;
  progress_.Continue(view_, clones_, waiting);
}

void TransformPreview::Hide() {
  const bool onWindow = view_.windowGeneration() == shownOn_;
  if (objectsShown_ && onWindow)
    progress_.Erase(view_, clones_);
  else
    progress_.Reset();
  objectsShown_ = false;
  if (bandShown_ && onWindow) view_.DrawXor(band_);
  bandShown_ = false;
}

}  // namespace korvo
