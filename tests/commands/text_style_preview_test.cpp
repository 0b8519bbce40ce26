#include "commands/text_style_preview.h"

#include <gtest/gtest.h>

#include "core/text_style.h"
#include "text/font_files.h"

namespace korvo {
namespace {

const std::filesystem::path kFonts = std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data" / "FONTS";

int InkPixels(const Bitmap& bitmap) {
  int ink = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) ink += bitmap.Pixel(x, y) != bitmap.Pixel(0, 0);
  }
  return ink;
}

TEST(TextStylePreview, DrawsTheSampleWithTheStylesFontAndMirroring) {
  const ScopedFontFolder fonts(kFonts);
  const TextStyle plain(u"P", u"SIMPLEX", 0, 1.0, 0, 0);
  const TextStyle backwards(u"B", u"SIMPLEX", 0, 1.0, 0, TextStyle::kBackwards);
  const TextStyle otherFont(u"T", u"SCRIPT", 0, 1.0, 0, 0);
  const auto a = RenderTextStylePreview(plain, u"Ab1", 120, 40);
  const auto b = RenderTextStylePreview(backwards, u"Ab1", 120, 40);
  const auto c = RenderTextStylePreview(otherFont, u"Ab1", 120, 40);
  ASSERT_TRUE(a && b && c);
  EXPECT_GT(InkPixels(*a), 20);
  EXPECT_TRUE(*a != *b);
  EXPECT_TRUE(*a != *c);
  EXPECT_EQ(RenderTextStylePreview(plain, u"Ab1", 0, 40), nullptr);
}

}  // namespace
}  // namespace korvo
