#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/raster_device.h"

namespace korvo::testing {

// A picture written as rows of characters, top row first: '.' for the background, '#' for
// any other colour. Tests compare it with rows drawn by hand, which shows a fault the way
// the user would see it.
using Picture = std::vector<std::string>;

// The pixels `left`..`left + width - 1` by `top`..`top + height - 1` (one past the last);
// pixels outside the bitmap read as the background.
inline Picture PictureOf(const Bitmap& bitmap, int left, int top, int width, int height,
                         uint32_t background = 0) {
  Picture rows;
  for (int y = top; y < top + height; ++y) {
    std::string row;
    for (int x = left; x < left + width; ++x) {
      const bool drawn = bitmap.Contains(x, y) && bitmap.Pixel(x, y) != background;
      row += drawn ? '#' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

// The whole bitmap.
inline Picture PictureOf(const Bitmap& bitmap, uint32_t background = 0) {
  return PictureOf(bitmap, 0, 0, bitmap.width(), bitmap.height(), background);
}

// The '#' of a picture.
inline int CountDrawn(const Picture& picture) {
  int count = 0;
  for (const std::string& row : picture)
    for (char c : row) count += c == '#';
  return count;
}

// The top-left corner of `large` holds exactly the pixels of `small`.
inline void ExpectSameCorner(const Bitmap& small, const Bitmap& large) {
  ASSERT_LE(small.width(), large.width());
  ASSERT_LE(small.height(), large.height());
  int differences = 0;
  for (int y = 0; y < small.height(); ++y) {
    for (int x = 0; x < small.width(); ++x) {
      if (small.Pixel(x, y) != large.Pixel(x, y) && ++differences <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << small.Pixel(x, y)
                      << " on its own and " << large.Pixel(x, y) << " with a margin";
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace korvo::testing
