#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/text_entity.h"
#include "core/text_style.h"
#include "tests/support/canvas.h"
#include "tests/text/font_test_folder.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::Canvas;
using PixelSet = std::set<std::pair<int, int>>;  // world (x, y), one unit a pixel

constexpr uint32_t kRed = 0x0000FF;

// "L": an upright and a foot half as long; "U": the upper half of a circle.
const std::vector<test::Record> kFont = {
    {u'L', 1.0f, {{0, 0, 0, 1}, {0, 0, 0.5f, 0}}, {}},
    {u'U', 1.0f, {}, {{0.5f, 0.5f, 0.5f, 0, 3.1415927f}}},
    {u'?', 1.0f, {{0, 0, 1, 1}}, {}},
};

PixelSet PixelsOf(const Canvas& canvas, uint32_t color) {
  PixelSet pixels;
  for (int y = 0; y < canvas.size; ++y)
    for (int x = 0; x < canvas.size; ++x)
      if (canvas.bitmap.Pixel(x, y) == color) pixels.insert({x, canvas.size - 1 - y});
  return pixels;
}

// An "L" of height 10 at (2, 2): the upright (2, 2)-(2, 12), the foot (2, 2)-(7, 2).
PixelSet LetterL(int x) {
  PixelSet pixels;
  for (int y = 2; y <= 12; ++y) pixels.insert({x, y});
  for (int i = x; i <= x + 5 && i < 16; ++i) pixels.insert({i, 2});
  return pixels;
}

class TextEntityDraw : public test::FontFolderTest {
 protected:
  TextEntityDraw() : style_(u"DRAW", u"DRAWFONT", 0, 1, 0, 0) {
    WriteFont("DRAWFONT.kcdfnt", test::SequentialFont(2.0f, kFont));
    canvas_.settings.currentTextStyle = &style_;
  }
  TextEntity Text(std::u16string content) {
    return TextEntity({2, 2}, 10, 0, 1, 0, 0, kAlignLeft, std::move(content), canvas_.settings);
  }

  TextStyle style_;
  Canvas canvas_;
};

TEST_F(TextEntityDraw, StrokesInTheLayerColorAlwaysContinuous) {
  LineType dashed(u"DASHED", u"", u"2, -2");
  struct Case {
    const char* name;
    LineType* layerLineType;
  } cases[] = {{"continuous layer", &ContinuousLineType()}, {"dashed layer", &dashed}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    canvas.settings.currentTextStyle = &style_;
    canvas.layer.lineType = c.layerLineType;
    TextEntity text({2, 2}, 10, 0, 1, 0, 0, kAlignLeft, u"L", canvas.settings);
    auto rc = canvas.Context();
    EXPECT_TRUE(text.Draw(*rc));
    EXPECT_EQ(PixelsOf(canvas, kRed), LetterL(2));
    EXPECT_EQ(canvas.CountNot(0), 16);
  }
}

TEST_F(TextEntityDraw, TheHighlightPatternIsKeptAndTheLineTypeRestored) {
  TextEntity text = Text(u"L");
  auto rc = canvas_.Context();
  rc->dc->SelectPen({PenStyle::Solid, kRed});
  rc->lineType = &SelectedLineType();
  text.DrawShape(*rc);
  EXPECT_EQ(rc->lineType, &SelectedLineType());
  const PixelSet drawn = PixelsOf(canvas_, kRed);
  EXPECT_GT(drawn.size(), 0u);
  EXPECT_LT(drawn.size(), 16u);  // the gaps of the pattern show

  LineType dashed(u"DASHED", u"", u"2, -2");
  rc->lineType = &dashed;
  text.DrawShape(*rc);
  EXPECT_EQ(rc->lineType, &dashed);
  EXPECT_EQ(PixelsOf(canvas_, kRed), LetterL(2));
}

TEST_F(TextEntityDraw, ArcStrokes) {
  TextEntity text = Text(u"U");
  auto rc = canvas_.Context();
  EXPECT_TRUE(text.Draw(*rc));
  const PixelSet drawn = PixelsOf(canvas_, kRed);
  // Centre (7, 7), radius 5, the upper half only, from its start on the right over the top
  // to the left (the device leaves out a polyline's last pixel).
  for (const auto& p : {std::pair{12, 7}, std::pair{7, 12}, std::pair{3, 10}})
    EXPECT_TRUE(drawn.contains(p)) << p.first << "," << p.second;
  for (const auto& [x, y] : drawn) {
    EXPECT_GE(y, 7);
    EXPECT_NEAR(std::hypot(x - 7, y - 7), 5, 1);
  }
}

TEST_F(TextEntityDraw, EmptyContentDrawsNothing) {
  TextEntity text = Text(u"");
  auto rc = canvas_.Context();
  EXPECT_TRUE(text.Draw(*rc));
  EXPECT_EQ(canvas_.CountNot(0), 0);
}

TEST_F(TextEntityDraw, HundredThousandCharactersDraw) {
  TextEntity text = Text(std::u16string(100000, u'L'));
  auto rc = canvas_.Context();
  EXPECT_TRUE(text.Draw(*rc));
  // Two letters are in the picture, every other one beyond its right side.
  PixelSet expected = LetterL(2);
  expected.merge(LetterL(12));
  EXPECT_EQ(PixelsOf(canvas_, kRed), expected);
}

}  // namespace
}  // namespace korvo
