#include "geometry/rect_quad_overlap.h"

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(RectOverlapsQuad, Cases) {
  // A diamond about (10, 10) reaching 2 along each axis, corners in order round it.
  const Point diamond[4] = {{12, 10}, {10, 12}, {8, 10}, {10, 8}};
  // A frame without height: the baseline of an empty text, from (0, 0) to (10, 0).
  const Point flat[4] = {{0, 0}, {10, 0}, {10, 0}, {0, 0}};
  struct Case {
    const char* name;
    const Point (&quad)[4];
    double x1, y1, x2, y2;
    bool overlaps;
  } cases[] = {
      {"rectangle inside", diamond, 9, 9, 11, 11, true},
      {"quadrilateral inside", diamond, 0, 0, 20, 20, true},
      {"thin window across, no corner inside either", diamond, 0, 10.5, 20, 10.7, true},
      {"apart along x", diamond, 13, 0, 20, 20, false},
      // The boxes overlap, but the diamond's edge x + y = 22 separates them.
      {"beyond an edge, inside the bounding box", diamond, 11.2, 11.2, 12, 12, false},
      {"touching a corner", diamond, 12, 9, 13, 11, true},
      {"window across a flat frame", flat, 4, -1, 6, 1, true},
      {"window above a flat frame", flat, 4, 0.5, 6, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RectOverlapsQuad(c.x1, c.y1, c.x2, c.y2, c.quad), c.overlaps);
  }
}

}  // namespace
}  // namespace korvo
