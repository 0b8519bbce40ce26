#pragma once

#include "commands/progressive_draw.h"

namespace korvo {

class Entity;
class View;

// The pre-highlight of object selection: the entity a tap would take is drawn on the window
// with XOR as it would look after the tap (its selected flag toggled: an unselected one
// shows dotted, a selected one solid), so the user sees what the pick box is over. The
// drawing is spread over pen moves (ProgressiveDraw).
//
// FIXME: a repaint while this is shown (a transparent command that redraws, such as the grid
// toggle) wipes it from the window, and the next erase then draws it back as a ghost until the
// command repaints; the view has no way yet to tell its XOR users that it painted.
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

  Entity* candidate() const { return candidate_; }
  const ProgressiveDraw& progress() const { return progress_; }

 private:
  Entity* candidate_ = nullptr;
  ProgressiveDraw progress_;
};

}  // namespace korvo
