#include "geometry/polygon_area.h"

#include <vector>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(TwiceSignedArea, Cases) {
  struct Case {
    const char* name;
    std::vector<ScreenPoint> polygon;
    long long twiceArea;
  } cases[] = {
      {"unit square counter-clockwise (y up)", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 2},
      {"unit square the other way", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, -2},
      {"triangle 4 by 3", {{0, 0}, {4, 0}, {0, 3}}, 12},
      {"quadrilateral collapsed onto a line", {{0, 0}, {5, 5}, {10, 10}, {5, 5}}, 0},
      {"all corners on one pixel", {{7, 7}, {7, 7}, {7, 7}, {7, 7}}, 0},
      // Products of coordinates this large do not fit an int.
      {"square of side 2^20", {{0, 0}, {1 << 20, 0}, {1 << 20, 1 << 20}, {0, 1 << 20}}, 1LL << 41},
      {"no corners", {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TwiceSignedArea(c.polygon), c.twiceArea);
  }
}

}  // namespace
}  // namespace korvo
