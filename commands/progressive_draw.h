#pragma once

#include <functional>

namespace korvo {

class Entity;
class EntityList;
class View;

// Asked before each primitive of a piece-by-piece drawing: true when a newer pen move is
// already queued, so that what is being drawn is about to be replaced anyway.
using PenMoveWaiting = std::function<bool()>;

// XOR feedback drawn a piece at a time: the draw filter counts the primitives (the leaf
// entities, the parts of block references one by one) and stops as soon as a newer pen move
// waits, so that a large object never stalls the pen. The next call resumes at the same
// count, and erasing draws exactly the primitives drawn so far once more.
//
// The count is only meaningful for the same entities in the same state: whoever changes
// them erases first.
class ProgressiveDraw {
 public:
  // Draws the primitives from drawn() on, until the end or until `waiting` says so (asked
  // before each; none never stops). True when everything has been drawn.
  bool Continue(View& view, const EntityList& list, const PenMoveWaiting& waiting);
  bool Continue(View& view, Entity& entity, const PenMoveWaiting& waiting);
  // Draws the first drawn() primitives again, without stopping, which takes them off the
  // window; then nothing counts as drawn.
  void Erase(View& view, const EntityList& list);
  void Erase(View& view, Entity& entity);

  int drawn() const { return drawn_; }
  bool complete() const { return complete_; }
  bool started() const { return drawn_ > 0 || complete_; }
  // Forgets what was drawn, without touching the window.
  void Reset() {
    drawn_ = 0;
    complete_ = false;
  }

 private:
  int drawn_ = 0;
  bool complete_ = false;
};

}  // namespace korvo
