#pragma once

#include <cstdint>

#include "geometry/point.h"

namespace korvo {

class CommandEngine;

// Whether the first corner's prompt offers a default that leaves the window question
// ("<single>" in the selection window prompts).
enum class WindowDefault { Refused, Allowed };

// The ids of the two corner questions of a window.
struct WindowPrompts {
  int firstPrompt = 0;
  int firstDescription = 0;
  int secondPrompt = 0;
  int secondDescription = 0;
};

// What GetWindow answers. The numbers are the system's.
enum class WindowResult : int {
  Single = 0,  // a corner prompt's default was accepted (only with WindowDefault::Allowed)
  Cancel = 2,  // cancelled, or Enter at a corner prompt
  Corners = 3,
};

// Asks for the two corners of a window. The first corner waits through pen movement; while
// the second is sought, a rectangle from the first corner to the cursor is drawn with XOR on
// the window and taken off before each update, and once more at the end, so nothing is left.
// With WindowDefault::Allowed both prompts offer their default ("<single>"), and accepting
// it at either prompt answers Single: the prompt text promises the same way out at both.
WindowResult GetWindow(CommandEngine& engine, const WindowPrompts& prompts,
                       WindowDefault allowDefault, Point& corner1, Point& corner2);

}  // namespace korvo
