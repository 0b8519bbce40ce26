#include "platform/scoped_change.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(ScopedChange, SetsForTheScopeAndRestoresHoweverItEnds) {
  int depth = 3;
  {
    const ScopedChange deeper(depth, depth + 1);
    EXPECT_EQ(depth, 4);
    EXPECT_EQ(deeper.saved(), 3);
  }
  EXPECT_EQ(depth, 3);
  try {
    const ScopedChange deeper(depth, 9);
    throw std::runtime_error("unwinds");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(depth, 3);
}

TEST(ScopedChange, SavingAloneRestoresWhatTheScopeChanged) {
  const int first = 1, second = 2;
  const int* current = &first;
  {
    const ScopedChange restore(current);
    current = &second;
  }
  EXPECT_EQ(current, &first);
}

}  // namespace
}  // namespace korvo
