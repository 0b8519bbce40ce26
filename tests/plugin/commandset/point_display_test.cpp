#include "plugin/commandset/point_display.h"

#include <gtest/gtest.h>

namespace korvo::commandset::editing {
namespace {

TEST(PointDisplay, ModesMapToTheListedIndexes) {
  struct Case {
    const char* name;
    uint8_t mode;
    int32_t index;
  } cases[] = {
      {"first", 0, 0},     {"last dot shape", 4, 4}, {"circled", 32, 5}, {"circled 34", 34, 7},
      {"squared", 64, 10}, {"both", 96, 15},         {"last", 100, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PointDisplayIndex(c.mode), c.index);
    EXPECT_EQ(PointDisplayMode(c.index), c.mode);
  }
}

TEST(PointDisplay, ModesOutsideTheListHaveNoIndex) {
  for (int mode : {5, 31, 37, 63, 69, 95, 101, 255}) {
    SCOPED_TRACE(mode);
    EXPECT_EQ(PointDisplayIndex(static_cast<uint8_t>(mode)), -1);
  }
  EXPECT_EQ(PointDisplayMode(-1), 0);
  EXPECT_EQ(PointDisplayMode(20), 0);
}

}  // namespace
}  // namespace korvo::commandset::editing
