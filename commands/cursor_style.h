#pragma once

namespace korvo {

// The shape of the view's cursor while a command waits: snapping to objects and
// intersections happens only under the crosshair.
enum class CursorStyle : int {
  Crosshair = 0,
  PickBox = 1,  // object selection
  None = 2,     // free-hand drawing
};

}  // namespace korvo
