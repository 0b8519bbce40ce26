#pragma once

#include <cstdint>
#include <functional>

#include "commands/progressive_draw.h"
#include "platform/scoped_change.h"

namespace korvo {

class Entity;
class View;

// The pre-highlight of object selection: the entity a tap would take is drawn on the window
// with XOR in the other look than the window shows it (an unselected one dotted, a selected
// one solid), so the user sees what the pick box is over. The
// drawing is spread over pen moves (ProgressiveDraw). A repaint of the window (a transparent
// command that redraws, a zoom) takes the highlight off with everything else: it is then drawn
// again from the start rather than erased.
class CandidateHighlight {
 public:
  CandidateHighlight() = default;
  CandidateHighlight(const CandidateHighlight&) = delete;
  CandidateHighlight& operator=(const CandidateHighlight&) = delete;

  // A new candidate (null: none): the previous one's highlight is taken off first. The same
  // candidate goes on being drawn where its drawing stopped.
  void Track(View& view, Entity* candidate, const PenMoveWaiting& waiting);
  // Takes the highlight off the window; no candidate afterwards. The candidate's selected
  // flag must be what it was while it was highlighted.
  void Clear(View& view);

  // Entities the window shows selected although their flag is off (a command's own
  // highlight, kept off the flag so that a pick can take them): they are drawn the other way.
  void SetAlsoShownSelected(std::function<bool(const Entity&)> shown) {
    alsoShown_ = std::move(shown);
  }

  Entity* candidate() const { return candidate_; }
  const ProgressiveDraw& progress() const { return progress_; }

 private:
  ScopedChange<uint8_t> OtherLook(Entity& entity) const;

  Entity* candidate_ = nullptr;
  ProgressiveDraw progress_;
  uint64_t drawnOn_ = 0;  // the window repaint the highlight was drawn on
  std::function<bool(const Entity&)> alsoShown_;
};

}  // namespace korvo
