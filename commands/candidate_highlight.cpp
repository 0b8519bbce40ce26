#include "commands/candidate_highlight.h"

#include <cstdint>

#include "core/element_code.h"
#include "core/entity.h"
#include "platform/scoped_change.h"
#include "view/view.h"

namespace korvo {
namespace {

// The candidate's flags for the duration of a highlight pass: selected inverted.
ScopedChange<uint8_t> ToggledSelection(Entity& entity) {
  return ScopedChange<uint8_t>(entity.flags,
                               static_cast<uint8_t>(entity.flags ^ EntityFlag::Selected));
}

}  // namespace

void CandidateHighlight::Track(View& view, Entity* candidate, const PenMoveWaiting& waiting) {
  if (candidate != candidate_) {
    Clear(view);
    candidate_ = candidate;
  }
  if (candidate_ == nullptr) return;
  if (view.windowGeneration() != drawnOn_) {
    progress_.Reset();
    drawnOn_ = view.windowGeneration();
  }
  if (progress_.complete()) return;
  const auto toggled = ToggledSelection(*candidate_);
  progress_.Continue(view, *candidate_, waiting);
}

void CandidateHighlight::Clear(View& view) {
  if (candidate_ != nullptr && view.windowGeneration() == drawnOn_) {
    const auto toggled = ToggledSelection(*candidate_);
    progress_.Erase(view, *candidate_);
  }
  progress_.Reset();
  candidate_ = nullptr;
}

}  // namespace korvo
