#include "view/symbol_preview.h"

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

constexpr uint32_t kPaper = 0xFFFFFF;

// The columns and rows that hold ink, as [first, last]; -1 when there is none.
struct InkBox {
  int left = -1, right = -1, top = -1, bottom = -1;
};
InkBox InkOf(const Bitmap& picture) {
  InkBox box;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.Pixel(x, y) == kPaper) continue;
      if (box.left < 0 || x < box.left) box.left = x;
      if (x > box.right) box.right = x;
      if (box.top < 0) box.top = y;
      box.bottom = y;
    }
  }
  return box;
}

TEST(SymbolPreview, TheExtentsFillTheAreaWhateverTheDrawingsOwnView) {
  struct Case {
    const char* name;
    Point start, end;
  } cases[] = {
      {"small, far from the origin", {1000, 1000}, {1002, 1000}},
      {"large", {-5000, 0}, {5000, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing symbol;
    symbol.New();
    symbol.entities.AddTail(new LineEntity(c.start, c.end, symbol.settings));
    const std::unique_ptr<Bitmap> picture = RenderSymbolPreview(symbol, 40, 20);
    ASSERT_NE(picture, nullptr);
    const InkBox ink = InkOf(*picture);
    // A horizontal line across the area, within the margins, on one middle row.
    EXPECT_LE(ink.left, 3);
    EXPECT_GE(ink.right, 36);
    EXPECT_EQ(ink.top, ink.bottom);
    EXPECT_NEAR(ink.top, 10, 1);
  }
}

TEST(SymbolPreview, NothingToDrawGivesBarePaperAndNoSizeNoBitmap) {
  Drawing empty;
  empty.New();
  const std::unique_ptr<Bitmap> picture = RenderSymbolPreview(empty, 8, 8);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(InkOf(*picture).left, -1);
  EXPECT_EQ(RenderSymbolPreview(empty, 0, 8), nullptr);
  EXPECT_EQ(RenderSymbolPreview(empty, 8, -1), nullptr);
}

}  // namespace
}  // namespace korvo
