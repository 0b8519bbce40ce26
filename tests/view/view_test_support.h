#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "platform/raster_device.h"
#include "tests/support/memory_profile.h"
#include "view/view.h"

namespace korvo::testing {

inline constexpr uint32_t kRed = 0x0000FF;

// A view of `width` x `height` pixels on which one pixel is 10 world units: the window
// (0, 0)-(10 (width - 1), 10 (height - 1)) fills the client area exactly, world (0, 0) at the
// bottom-left pixel. The limits are that window; the grid is off.
struct ViewFixture : ::testing::Test {
  explicit ViewFixture(int width = 16, int height = 12) {
    drawing.New();
    DrawingSettings& s = drawing.settings;
    s.limitsMin = Point(0, 0);
    s.limitsMax = Point(10.0 * (width - 1), 10.0 * (height - 1));
    s.viewOrigin = Point(0, 0);
    s.viewExtent = Size{10.0 * (width - 1), 10.0 * (height - 1)};
    s.gridOn = 0;
    s.objectSnap = 0;
    s.intersectionSnap = 0;
    view.Resize(width, height);
  }

  LineEntity* AddLine(double x1, double y1, double x2, double y2, int colorIndex = 1) {
    auto* line = new LineEntity(x1, y1, x2, y2, drawing.settings);
    line->SetColorIndex(colorIndex);
    drawing.entities.AddTail(line);
    return line;
  }

  // The window as text, one line a row: '.' background, '#' white, 'r' red, '?' other.
  std::string Picture() const { return PictureOf(view.window(), view.windowBackground()); }
  static std::string PictureOf(const Bitmap& b, uint32_t background) {
    std::string out;
    for (int y = 0; y < b.height(); ++y) {
      for (int x = 0; x < b.width(); ++x) {
        const uint32_t p = b.Pixel(x, y);
        out += p == background ? '.' : p == kWhite ? '#' : p == kRed ? 'r' : '?';
      }
      out += '\n';
    }
    return out;
  }

  MemoryProfile profile;
  Drawing drawing;
  View view{drawing, profile};
};

}  // namespace korvo::testing
