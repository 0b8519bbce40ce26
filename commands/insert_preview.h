#pragma once

#include <cstdint>

#include "commands/progressive_draw.h"
#include "core/insert_entity.h"
#include "geometry/point.h"

namespace korvo {

class BlockDefinition;
class DrawingSettings;
class View;

// The reference being placed, drawn with XOR on the window where the answers so far would put
// it. Each Show takes the previous picture off first; Hide (and the destructor) take it off
// for good, so the window is left as it was. The parts yield to newer pen moves. A repaint
// while it is shown wipes it; it is then forgotten rather than erased.
class InsertPreview {
 public:
  // `view` and `block` must outlive the preview; the reference takes the current properties.
  InsertPreview(View& view, const BlockDefinition& block, const DrawingSettings& settings);
  ~InsertPreview();
  InsertPreview(const InsertPreview&) = delete;
  InsertPreview& operator=(const InsertPreview&) = delete;

  void Show(const Point& insertion, double xScale, double yScale, double rotation,
            const PenMoveWaiting& waiting);
  void Hide();
  bool shown() const { return shown_; }

 private:
  View& view_;
  const BlockDefinition& block_;
  InsertEntity ghost_;
  ProgressiveDraw progress_;
  bool shown_ = false;
  uint64_t shownOn_ = 0;  // the view's window generation when drawn
};

}  // namespace korvo
