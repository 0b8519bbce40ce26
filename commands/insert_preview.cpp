#include "commands/insert_preview.h"

#include "core/block_definition.h"
#include "view/view.h"

namespace korvo {

InsertPreview::InsertPreview(View& view, const BlockDefinition& block,
                             const DrawingSettings& settings)
    : view_(view), block_(block), ghost_(block.name, {}, 1.0, 1.0, 0.0, settings) {}

InsertPreview::~InsertPreview() {
  Hide();
}

void InsertPreview::Show(const Point& insertion, double xScale, double yScale, double rotation,
                         const PenMoveWaiting& waiting) {
  Hide();
  ghost_.insertionPoint = insertion;
  ghost_.xScale = xScale;
  ghost_.yScale = yScale;
  ghost_.rotation = rotation;
  // Expanded afresh from the block each time, so no rounding builds up over many pen moves.
  ghost_.SetBlock(block_);
  shown_ = true;
  shownOn_ = view_.windowGeneration();
  progress_.Continue(view_, ghost_, waiting);
}

void InsertPreview::Hide() {
  if (shown_ && view_.windowGeneration() == shownOn_)
    progress_.Erase(view_, ghost_);
  else
    progress_.Reset();
  shown_ = false;
}

}  // namespace korvo
