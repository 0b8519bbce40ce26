#include "commands/chamfer_geometry.h"

#include <gtest/gtest.h>

#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;

TEST(ComputeChamfer, PlacesTheChamferPointsOnTheKeptSides) {
  struct Case {
    const char* name;
    ChamferSide first;
    ChamferSide second;
    ChamferTrim trim;
    ChamferStatus status;
    Point firstPoint;
    ChamferEnd firstEnd;
    Point secondPoint;
    ChamferEnd secondEnd;
  } cases[] = {
      {"lines meeting at a corner",
       {{0, 0}, {10, 0}, {5, 0}, 2},
       {{10, 0}, {10, 10}, {10, 5}, 3},
       ChamferTrim::Yes,
       ChamferStatus::Ok,
       {8, 0},
       ChamferEnd::End,
       {10, 3},
       ChamferEnd::Start},
      {"lines short of their corner",
       {{0, 0}, {8, 0}, {5, 0}, 2},
       {{10, 10}, {10, 2}, {10, 5}, 3},
       ChamferTrim::Yes,
       ChamferStatus::Ok,
       {8, 0},
       ChamferEnd::End,
       {10, 3},
       ChamferEnd::End},
      {"crossing lines keep the tapped sides",
       {{0, 0}, {20, 0}, {3, 0}, 2},
       {{10, -10}, {10, 10}, {10, 7}, 3},
       ChamferTrim::Yes,
       ChamferStatus::Ok,
       {8, 0},
       ChamferEnd::End,
       {10, 3},
       ChamferEnd::Start},
      {"crossing lines tapped on the other sides",
       {{0, 0}, {20, 0}, {17, 1}, 2},
       {{10, -10}, {10, 10}, {11, -7}, 3},
       ChamferTrim::Yes,
       ChamferStatus::Ok,
       {12, 0},
       ChamferEnd::Start,
       {10, -3},
       ChamferEnd::End},
      {"zero distances meet at the corner",
       {{0, 0}, {8, 0}, {5, 0}, 0},
       {{10, 2}, {10, 10}, {10, 5}, 0},
       ChamferTrim::Yes,
       ChamferStatus::Ok,
       {10, 0},
       ChamferEnd::End,
       {10, 0},
       ChamferEnd::Start},
      {"a distance the length of the kept piece",
       {{0, 0}, {10, 0}, {5, 0}, 10},
       {{10, 0}, {10, 10}, {10, 5}, 3},
       ChamferTrim::Yes,
       ChamferStatus::TooLarge,
       {},
       {},
       {},
       {}},
      {"the second distance too large",
       {{0, 0}, {10, 0}, {5, 0}, 1},
       {{10, 0}, {10, 10}, {10, 5}, 11},
       ChamferTrim::Yes,
       ChamferStatus::TooLarge,
       {},
       {},
       {},
       {}},
      {"without trimming any distance goes",
       {{0, 0}, {10, 0}, {5, 0}, 12},
       {{10, 0}, {10, 10}, {10, 5}, 3},
       ChamferTrim::No,
       ChamferStatus::Ok,
       {-2, 0},
       ChamferEnd::End,
       {10, 3},
       ChamferEnd::Start},
      {"parallel lines",
       {{0, 0}, {10, 0}, {5, 0}, 1},
       {{0, 5}, {10, 5}, {5, 5}, 1},
       ChamferTrim::Yes,
       ChamferStatus::Parallel,
       {},
       {},
       {},
       {}},
      {"a line of no length",
       {{0, 0}, {10, 0}, {5, 0}, 1},
       {{3, 3}, {3, 3}, {3, 3}, 1},
       ChamferTrim::Yes,
       ChamferStatus::Parallel,
       {},
       {},
       {},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Chamfer chamfer = ComputeChamfer(c.first, c.second, c.trim);
    EXPECT_EQ(chamfer.status, c.status);
    if (c.status != ChamferStatus::Ok) continue;
    ExpectPointNear(chamfer.first.point, c.firstPoint, 1e-9);
    EXPECT_EQ(chamfer.first.end, c.firstEnd);
    ExpectPointNear(chamfer.second.point, c.secondPoint, 1e-9);
    EXPECT_EQ(chamfer.second.end, c.secondEnd);
  }
}

}  // namespace
}  // namespace korvo
