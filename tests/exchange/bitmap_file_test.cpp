#include "exchange/bitmap_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/color_palette.h"
#include "platform/raster_device.h"

namespace korvo {
namespace {

TEST(BitmapFileTest, HeadersTableAndRowsOfATinyPicture) {
  // 3 x 2 pixels: top row red, white, black; bottom row a reddish grey, green, red.
  Bitmap picture(3, 2);
  picture.SetPixel(0, 0, 0x0000FF);
  picture.SetPixel(1, 0, 0xFFFFFF);
  picture.SetPixel(2, 0, 0x000000);
  picture.SetPixel(0, 1, 0x808081);  // nearest: grey 8 (128, 128, 128)
  picture.SetPixel(1, 1, 0x00FF00);
  picture.SetPixel(2, 1, 0x0000FE);
  const std::vector<uint8_t> bytes = EncodeBitmapFile(picture);
  const std::vector<uint8_t> headers = {
      'B',  'M',  0x3E, 0x04, 0, 0,  // file size 8 + 1078 = 1086
      0,    0,    0,    0,           // reserved
      0x36, 0x04, 0,    0,           // pixels at 1078
      40,   0,    0,    0,           // information header size
      3,    0,    0,    0,           // width
      2,    0,    0,    0,           // height: positive, rows bottom-up
      1,    0,                       // planes
      8,    0,                       // bits per pixel
      0,    0,    0,    0,           // no compression
      8,    0,    0,    0,           // image size: 2 rows of 4 bytes
      0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  };
  ASSERT_EQ(bytes.size(), 1086u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 54), headers);
  // Colour table entries are blue, green, red, 0.
  const auto entry = [&](int i) {
    return std::vector<uint8_t>(bytes.begin() + 54 + 4 * i, bytes.begin() + 58 + 4 * i);
  };
  EXPECT_EQ(entry(0), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(entry(1), (std::vector<uint8_t>{0, 0, 255, 0}));      // red
  EXPECT_EQ(entry(5), (std::vector<uint8_t>{255, 0, 0, 0}));      // blue
  EXPECT_EQ(entry(7), (std::vector<uint8_t>{255, 255, 255, 0}));  // white
  EXPECT_EQ(entry(21), (std::vector<uint8_t>{127, 159, 255, 0}));
  EXPECT_EQ(entry(250), (std::vector<uint8_t>{51, 51, 51, 0}));
  // Bottom row first, each padded to four bytes.
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 1078, bytes.end()),
            (std::vector<uint8_t>{8, 3, 1, 0, 1, 7, 0, 0}));
}

TEST(BitmapFileTest, RowsArePaddedToFourBytes) {
  struct Case {
    const char* name;
    int width;
    uint32_t rowSize;
  } cases[] = {
      {"one pixel padded", 1, 4}, {"exactly four", 4, 4},       {"one over four", 5, 8},
      {"odd width", 241, 244},    {"exact multiple", 244, 244},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BitmapRowSize(c.width), c.rowSize);
    EXPECT_EQ(EncodeBitmapFile(Bitmap(c.width, 3)).size(), 1078u + 3 * c.rowSize);
  }
}

TEST(BitmapFileTest, EveryDrawingColorMapsToAnEntryOfItsOwnColor) {
  for (int i = 1; i <= 255; ++i) {
    SCOPED_TRACE(i);
    const uint8_t index = NearestPaletteIndex(ColorFromIndex(i));
    EXPECT_EQ(BitmapPalette()[index], ColorFromIndex(i));
    EXPECT_LE(index, i);  // the lowest of equal entries
  }
  EXPECT_EQ(NearestPaletteIndex(0), 0);
  EXPECT_EQ(NearestPaletteIndex(0x0505FA), 1);  // nearly red
  EXPECT_EQ(NearestPaletteIndex(0xFFFFFF), 7);  // white is 7 before 255
}

// The screenshot file, read back byte by byte: every colour kept, rows bottom-up.
TEST(BitmapFileTest, TrueColorFileOfATinyPicture) {
  // Top row red, white; bottom row green, 0x123456 (red 0x56, green 0x34, blue 0x12).
  Bitmap picture(2, 2);
  picture.SetPixel(0, 0, 0x0000FF);
  picture.SetPixel(1, 0, 0xFFFFFF);
  picture.SetPixel(0, 1, 0x00FF00);
  picture.SetPixel(1, 1, 0x123456);
  const std::vector<uint8_t> expected = {
      'B',  'M',  70,   0,    0,    0,  // file size 54 + 16
      0,    0,    0,    0,              // reserved
      54,   0,    0,    0,              // pixels right after the headers
      40,   0,    0,    0,              // information header size
      2,    0,    0,    0,              // width
      2,    0,    0,    0,              // height: rows bottom-up
      1,    0,                          // planes
      24,   0,                          // bits per pixel
      0,    0,    0,    0,              // no compression
      16,   0,    0,    0,              // image size: 2 rows of 6 bytes padded to 8
      0,    0,    0,    0,    0,    0,    0,    0,    0,    0, 0, 0, 0,
      0,    0,    0,    0x00, 0xFF, 0x00, 0x12, 0x34, 0x56, 0, 0,  // bottom row: blue, green, red
      0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,                 // top row
  };
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / "korvocad_true_color_bitmap";
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / "shot.bmp";
  ASSERT_TRUE(WriteTrueColorBitmap(path, picture));
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, expected);
  // Nothing is written where the folder does not exist.
  EXPECT_FALSE(WriteTrueColorBitmap(folder / "missing" / "shot.bmp", picture));
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
  std::filesystem::remove_all(folder);
}

TEST(BitmapFileTest, TrueColorRowsArePaddedToFourBytes) {
  struct Case {
    int width;
    std::size_t rowSize;
  } cases[] = {{1, 4}, {3, 12}, {4, 12}, {5, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(EncodeTrueColorBitmapFile(Bitmap(c.width, 3)).size(), 54 + 3 * c.rowSize);
  }
}

}  // namespace
}  // namespace korvo
