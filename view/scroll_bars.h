#pragma once

#include "platform/raster_device.h"

namespace korvo {

// What a scroll-bar message asks for. On the horizontal bar "up" is left and "down" is right.
enum class ScrollCode {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

// One scroll bar as the shell shows it, in pixels of the current mapping.
struct ScrollBarState {
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int position = 0;
  friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

struct ScrollBars {
  ScrollBarState horizontal;
  ScrollBarState vertical;
  friend bool operator==(const ScrollBars&, const ScrollBars&) = default;
};

// The bars of a client area `width` x `height` pixels (origin at (0, 0)) whose drawing limits
// lie at the screen points `limitsMin` and `limitsMax`: the range spans the limits (at least
// the window across), the position is how far the window lies inside them.
ScrollBars ComputeScrollBars(const ScreenPoint& limitsMin, const ScreenPoint& limitsMax, int width,
                             int height);

}  // namespace korvo
