#pragma once

#include <gtest/gtest.h>

#include "geometry/point.h"

namespace korvo::testing {

// Both coordinates within `tolerance`; a failure names the point's expected place.
inline void ExpectPointNear(const Point& actual, const Point& expected, double tolerance = 1e-12) {
  EXPECT_NEAR(actual.x, expected.x, tolerance)
      << "x of (" << expected.x << ", " << expected.y << ")";
  EXPECT_NEAR(actual.y, expected.y, tolerance)
      << "y of (" << expected.x << ", " << expected.y << ")";
}

}  // namespace korvo::testing
