#include "commands/candidate_highlight.h"

#include <cstdint>

#include "core/element_code.h"
#include "core/entity.h"
#include "platform/scoped_change.h"
#include "view/view.h"

namespace korvo {

// The candidate's flags for the duration of a highlight pass: the look the window does not
// show.
ScopedChange<uint8_t> CandidateHighlight::OtherLook(Entity& entity) const {
  const bool shown = entity.IsSelected() || (alsoShown_ && alsoShown_(entity));
  return ScopedChange<uint8_t>(entity.flags,
                               static_cast<uint8_t>(shown ? entity.flags & ~EntityFlag::Selected
                                                          : entity.flags | EntityFlag::Selected));
}

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
  const auto look = OtherLook(*candidate_);
  progress_.Continue(view, *candidate_, waiting);
}

void CandidateHighlight::Clear(View& view) {
  if (candidate_ != nullptr && view.windowGeneration() == drawnOn_) {
    const auto look = OtherLook(*candidate_);
    progress_.Erase(view, *candidate_);
  }
  progress_.Reset();
  candidate_ = nullptr;
}

}  // namespace korvo
