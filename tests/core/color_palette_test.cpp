#include "core/color_palette.h"

#include <gtest/gtest.h>

#include "core/layer.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

TEST(ColorPalette, IndexToColor) {
  struct Case {
    const char* name;
    int index;
    uint32_t red, green, blue;
  } cases[] = {
      {"by layer is white", 256, 255, 255, 255},
      {"by block is white", 0, 255, 255, 255},
      {"1 red", 1, 255, 0, 0},
      {"5 blue", 5, 0, 0, 255},
      {"8 grey", 8, 128, 128, 128},
      {"10 red", 10, 255, 0, 0},
      {"11 pastel red", 11, 255, 127, 127},
      {"12 darker red", 12, 204, 0, 0},
      {"14 dark red", 14, 153, 0, 0},
      {"21 pastel orange", 21, 255, 159, 127},
      {"30 orange", 30, 255, 127, 0},
      {"249 darkest pastel rose", 249, 76, 38, 47},
      {"250 first grey", 250, 0x33, 0x33, 0x33},
      {"255 white", 255, 255, 255, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineEntity line;
    line.SetColorIndex(c.index);
    EXPECT_EQ(line.colorIndex, c.index);
    const uint32_t color = line.GetColor();
    EXPECT_EQ(RedOf(color), c.red);
    EXPECT_EQ(GreenOf(color), c.green);
    EXPECT_EQ(BlueOf(color), c.blue);
  }
}

TEST(ColorPalette, ColorrefOrderPutsRedInTheLowByte) {
  LineEntity line;
  line.SetColorIndex(21);
  EXPECT_EQ(line.GetColor(), 0x7F9FFFu);
  line.SetColorIndex(256);
  EXPECT_EQ(line.GetColor(), 0xFFFFFFu);
  line.SetColorIndex(0);
  EXPECT_EQ(line.GetColor(), 0xFFFFFFu);
}

TEST(ColorPalette, NegativeLayerIndexIsWhite) {
  Layer layer(u"OFF", -7, nullptr, -3.0);
  EXPECT_EQ(layer.colorIndex, -7);
  EXPECT_EQ(layer.GetColor(), 0xFFFFFFu);
  layer.SetColorIndex(1);
  EXPECT_EQ(layer.GetColor(), 0x0000FFu);
}

}  // namespace
}  // namespace korvo
