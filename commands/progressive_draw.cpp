#include "commands/progressive_draw.h"

#include "commands/borrowed_list.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "view/render_context.h"
#include "view/view.h"

namespace korvo {
namespace {

// The state of one pass of the filter.
struct Pass {
  int next = 0;        // index of the primitive the filter is asked about
  int from = 0;        // primitives before this one were drawn by an earlier pass
  int limit = -1;      // no primitive from here on is drawn; -1: no limit
  int stoppedAt = -1;  // where `waiting` stopped the pass
  const PenMoveWaiting* waiting = nullptr;
};

DrawVerdict CountingFilter(const Entity&, void* arg1, void*) {
  Pass& pass = *static_cast<Pass*>(arg1);
  const int index = pass.next++;
  if (index < pass.from) return DrawVerdict::Skip;
  if (pass.limit >= 0 && index >= pass.limit) return DrawVerdict::Abort;
  if (pass.waiting != nullptr && *pass.waiting && (*pass.waiting)()) {
    pass.stoppedAt = index;
    return DrawVerdict::Abort;
  }
  return DrawVerdict::Draw;
}

}  // namespace

bool ProgressiveDraw::Continue(View& view, const EntityList& list, const PenMoveWaiting& waiting) {
  if (complete_) return true;
  Pass pass;
  pass.from = drawn_;
  pass.waiting = &waiting;
  const bool whole = view.DrawXor(list, CountingFilter, &pass);
  if (whole) {
    drawn_ = pass.next;
    complete_ = true;
  } else if (pass.stoppedAt >= 0) {
    drawn_ = pass.stoppedAt;
  }
  return complete_;
}

bool ProgressiveDraw::Continue(View& view, Entity& entity, const PenMoveWaiting& waiting) {
  const BorrowedList borrowed(entity);
  return Continue(view, borrowed.list(), waiting);
}

void ProgressiveDraw::Erase(View& view, const EntityList& list) {
  if (drawn_ > 0) {
    Pass pass;
    pass.limit = drawn_;
    view.DrawXor(list, CountingFilter, &pass);
  }
  Reset();
}

void ProgressiveDraw::Erase(View& view, Entity& entity) {
  const BorrowedList borrowed(entity);
  Erase(view, borrowed.list());
}

}  // namespace korvo
