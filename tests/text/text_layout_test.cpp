#include "text/text_layout.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/text/font_test_folder.h"

namespace korvo {
namespace {

using test::Record;
using test::SequentialFont;

constexpr double kPiD = 3.141592653589793;
constexpr float kQuarter = 1.5707964f;  // π/2 as the file holds it

// Line spacing 2; "A" is inked from 0.1 to 0.7 of its advance 1.0.
const std::vector<Record> kLayoutFont = {
    {u'A', 1.0f, {{0.1f, 0, 0.7f, 1}}, {}},
    {u'B', 0.75f, {{0, 0, 0.5f, 0}}, {}},
    {u' ', 0.5f, {}, {}},
    {u'?', 0.875f, {{0, 0, 0.5f, 1}}, {}},
    {u'Q', 1.0f, {}, {{0.5f, 0.5f, 0.5f, 0, kQuarter}}},
    {u'S', 1.0f, {}, {{0, 0, 0.5f, 0, 1.5f}}},
};

struct StrokeLine {
  Point from, to;
};
struct StrokeArc {
  Point center;
  double radius, ratio, rotation, start, end;
};

class RecordingSink : public TextStrokeSink {
 public:
  void Line(const Point& from, const Point& to) override { lines.push_back({from, to}); }
  void Arc(const Point& center, double radius, double ratio, double rotation, double start,
           double end) override {
    arcs.push_back({center, radius, ratio, rotation, start, end});
  }
  std::vector<StrokeLine> lines;
  std::vector<StrokeArc> arcs;
};

#define EXPECT_POINT_NEAR(actual, ex, ey) \
  do {                                    \
    EXPECT_NEAR((actual).x, (ex), 1e-6);  \
    EXPECT_NEAR((actual).y, (ey), 1e-6);  \
  } while (false)

class TextLayout : public test::FontFolderTest {
 protected:
  TextLayout() {
    WriteFont("LAYOUT.kcdfnt", SequentialFont(2.0f, kLayoutFont));
    font_ = FontRef(u"LAYOUT");
  }
  TextPlacement Text(std::u16string_view content, double height = 1) {
    TextPlacement text;
    text.height = height;
    text.font = font_.get();
    text.content = content;
    return text;
  }
  RecordingSink Lay(const TextPlacement& text, double pixelSize = 0.01) {
    RecordingSink sink;
    LayOutText(text, pixelSize, sink);
    return sink;
  }

  FontRef font_;
};

TEST_F(TextLayout, SecondLineStartsOneLineSpacingBelowAtTheAlignmentOffset) {
  struct Case {
    const char* name;
    double rotation;
    uint8_t alignment;
    Point aFrom, bFrom, bTo;  // world, P = (10, 20), height 2
  } cases[] = {
      // B's line runs from (0, 0) to (0.5, 0) in font units, 2 × 2 below the first baseline.
      {"left", 0, kAlignLeft, {10.2, 20}, {10, 16}, {11, 16}},
      {"left turned a quarter", kPiD / 2, kAlignLeft, {10, 20.2}, {14, 20}, {14, 21}},
      // W is that of the wider line, "A": 0.7; both lines start 1.4 left of P.
      {"right", 0, kAlignRight, {8.8, 20}, {8.6, 16}, {9.6, 16}},
      {"right turned a quarter", kPiD / 2, kAlignRight, {10, 18.8}, {14, 18.6}, {14, 19.6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(u"A\nB", 2);
    text.insertionPoint = {10, 20};
    text.rotation = c.rotation;
    text.horizontalAlignment = c.alignment;
    const RecordingSink sink = Lay(text);
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_POINT_NEAR(sink.lines[0].from, c.aFrom.x, c.aFrom.y);
    EXPECT_POINT_NEAR(sink.lines[1].from, c.bFrom.x, c.bFrom.y);
    EXPECT_POINT_NEAR(sink.lines[1].to, c.bTo.x, c.bTo.y);
  }
}

TEST_F(TextLayout, RightAlignedCharacterEndsExactlyAtTheInsertionPoint) {
  struct Case {
    const char* name;
    uint8_t flags;
  } cases[] = {{"plain", 0}, {"backward", kTextBackward}, {"upside down", kTextUpsideDown}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(u"A", 1.5);
    text.insertionPoint = {5, 7};
    text.widthFactor = 2;
    text.generationFlags = c.flags;
    text.horizontalAlignment = kAlignRight;
    const RecordingSink sink = Lay(text);
    ASSERT_EQ(sink.lines.size(), 1u);
    // The right extent lands on P; the trailing space of "A" does not count.
    EXPECT_EQ(sink.lines[0].to.x, 5.0);
    EXPECT_NEAR(sink.lines[0].from.x, c.flags == kTextBackward ? 5 + 0.6 * 3 : 5 - 0.6 * 3, 1e-6);
  }
}

TEST_F(TextLayout, IdeographicSpaceAdvancesOnePointSixSpaces) {
  const RecordingSink sink = Lay(Text(u"\u3000B\u3000B"));
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_NEAR(sink.lines[0].from.x, 0.8, 1e-6);
  EXPECT_NEAR(sink.lines[1].from.x, 0.8 + 0.75 + 0.8, 1e-6);
}

TEST_F(TextLayout, AlignmentOffsets) {
  WriteFont("BARE.kcdfnt", SequentialFont(2.0f, {kLayoutFont[0], kLayoutFont[1]}));
  FontRef bare(u"BARE");
  struct Case {
    const char* name;
    StrokeFont* font;
    std::u16string content;
    uint8_t alignment;
    double width, offset;
  } cases[] = {
      {"left", font_.get(), u"AB", kAlignLeft, 1.5, 0},
      {"right", font_.get(), u"AB", kAlignRight, 1.5, -1.5},
      // Centred between the first glyph's left extent and the last glyph's right extent.
      {"centre", font_.get(), u"AB", kAlignCenter, 1.5, -(1.5 + 0.1) / 2},
      {"centre without an answer for code 0 is right", bare.get(), u"AB", kAlignCenter, 1.5, -1.5},
      {"unknown alignment is left", font_.get(), u"AB", 7, 1.5, 0},
      {"missing characters measure as the question mark", font_.get(), u"A#", kAlignRight, 1.5,
       -1.5},
      {"line feeds are no characters; the wider line counts", font_.get(), u"B\nAB\nA", kAlignRight,
       1.5, -1.5},
      {"ideographic space counts as it moves the pen", font_.get(), u"A\u3000B", kAlignRight, 2.3,
       -2.3},
      {"empty", font_.get(), u"", kAlignRight, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TextAlignment alignment = ComputeTextAlignment(*c.font, c.content, c.alignment);
    EXPECT_NEAR(alignment.width, c.width, 1e-6);
    EXPECT_NEAR(alignment.offset, c.offset, 1e-6);
  }
}

TEST_F(TextLayout, ScaleMirrorAndSlant) {
  const double t45 = 1.0;  // tan 45°
  struct Case {
    const char* name;
    double height, widthFactor, oblique;
    uint8_t textFlags, styleFlags;
    Point from, to;  // "A": (0.1, 0) → (0.7, 1) in font units
  } cases[] = {
      {"plain", 1, 1, 0, 0, 0, {0.1, 0}, {0.7, 1}},
      {"wider", 1, 2, 0, 0, 0, {0.2, 0}, {1.4, 1}},
      {"backward", 1, 1, 0, kTextBackward, 0, {-0.1, 0}, {-0.7, 1}},
      {"backward by style", 1, 1, 0, 0, kTextBackward, {-0.1, 0}, {-0.7, 1}},
      {"backward twice is still backward",
       1,
       1,
       0,
       kTextBackward,
       kTextBackward,
       {-0.1, 0},
       {-0.7, 1}},
      {"upside down", 1, 1, 0, kTextUpsideDown, 0, {0.1, 0}, {0.7, -1}},
      {"negative height", -1, 1, 0, 0, 0, {0.1, 0}, {0.7, -1}},
      {"negative height upside down", -1, 1, 0, kTextUpsideDown, 0, {0.1, 0}, {0.7, 1}},
      {"slanted", 1, 1, kPiD / 4, 0, 0, {0.1, 0}, {0.7 + t45, 1}},
      {"slanted upside down", 1, 1, kPiD / 4, kTextUpsideDown, 0, {0.1, 0}, {0.7 + t45, -1}},
      {"slanted backward", 1, 1, kPiD / 4, kTextBackward, 0, {-0.1, 0}, {-0.7 - t45, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(u"A", c.height);
    text.widthFactor = c.widthFactor;
    text.obliqueAngle = c.oblique;
    text.generationFlags = c.textFlags;
    text.styleFlags = c.styleFlags;
    const RecordingSink sink = Lay(text);
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_POINT_NEAR(sink.lines[0].from, c.from.x, c.from.y);
    EXPECT_POINT_NEAR(sink.lines[0].to, c.to.x, c.to.y);
  }
}

TEST_F(TextLayout, ArcStrokesBecomeEllipticArcs) {
  // "Q": centre (0.5, 0.5), radius 0.5, first quadrant. Height 2, width 0.5: the centre is
  // at (0.5, 1) in the text's frame, radius 0.5 along the baseline, 1 across it.
  const double rotation = 0.3;
  const double c = std::cos(rotation), s = std::sin(rotation);
  struct Case {
    const char* name;
    uint8_t flags;
    Point localCenter;
    double start, end;
  } cases[] = {
      {"plain", 0, {0.5, 1}, 0, kPiD / 2},
      {"upside down", kTextUpsideDown, {0.5, -1}, -kPiD / 2, 0},
      {"backward", kTextBackward, {-0.5, 1}, kPiD / 2, kPiD},
      {"both", kTextUpsideDown | kTextBackward, {-0.5, -1}, kPiD, 3 * kPiD / 2},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TextPlacement text = Text(u"Q", 2);
    text.insertionPoint = {1, 1};
    text.widthFactor = 0.5;
    text.rotation = rotation;
    text.generationFlags = k.flags;
    const RecordingSink sink = Lay(text);
    EXPECT_TRUE(sink.lines.empty());
    ASSERT_EQ(sink.arcs.size(), 1u);
    const StrokeArc& arc = sink.arcs[0];
    EXPECT_POINT_NEAR(arc.center, 1 + k.localCenter.x * c - k.localCenter.y * s,
                      1 + k.localCenter.x * s + k.localCenter.y * c);
    EXPECT_NEAR(arc.radius, 0.5, 1e-6);
    EXPECT_DOUBLE_EQ(arc.ratio, 2);
    EXPECT_DOUBLE_EQ(arc.rotation, rotation);
    EXPECT_NEAR(arc.start, k.start, 1e-6);
    EXPECT_NEAR(arc.end, k.end, 1e-6);
  }
}

TEST_F(TextLayout, SlantedArcsBecomeLineChains) {
  // "S": centre (0, 0), radius 0.5 from 0 to 1.5 rad; height 2 gives a baseline radius of
  // 1, so at 0.1 per pixel n = trunc((1 + 0.05) / 0.1 × 2/3) = 7.
  struct Case {
    const char* name;
    double oblique, widthFactor;
    std::size_t segments;
  } cases[] = {
      {"slanted", 0.2, 1, 7},
      // The baseline radius is 0, but the arc still rises 1 (10 pixels): chords of at most
      // 2 acos(1 - 0.5 / 10) = 0.635 rad, 3 over the 1.5 rad.
      {"no width", 0, 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(u"S", 2);
    text.obliqueAngle = c.oblique;
    text.widthFactor = c.widthFactor;
    const RecordingSink sink = Lay(text, 0.1);
    EXPECT_TRUE(sink.arcs.empty());
    ASSERT_EQ(sink.lines.size(), c.segments);
    const double t = std::tan(c.oblique);
    const auto map = [&](double a) {
      const double x = 0.5 * std::cos(a), y = 0.5 * std::sin(a);
      return Point(x * 2 * c.widthFactor + y * 2 * t, y * 2);
    };
    EXPECT_POINT_NEAR(sink.lines.front().from, map(0).x, map(0).y);
    EXPECT_POINT_NEAR(sink.lines.back().to, map(1.5).x, map(1.5).y);
    for (std::size_t i = 1; i < sink.lines.size(); ++i)
      EXPECT_EQ(sink.lines[i].from, sink.lines[i - 1].to);
    if (c.segments == 7) EXPECT_POINT_NEAR(sink.lines[0].to, map(1.5 / 7).x, map(1.5 / 7).y);
  }
}

TEST_F(TextLayout, SmallSlantedArcsKeepTheirShape) {
  // "S" at height 0.48: a baseline radius of 0.24, 2.4 pixels at 0.1 per pixel. The radius
  // alone asks for trunc((2.4 + 0.5) × 2/3) = 1 chord over the 1.5 rad; one chord over s
  // strays 2.4 (1 - cos(s/2)) pixels, over 1.5 rad 0.61, over 0.75 rad 0.17.
  TextPlacement text = Text(u"S", 0.48);
  text.obliqueAngle = 0.2;
  const RecordingSink sink = Lay(text, 0.1);
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[0].to, sink.lines[1].from);
}

TEST(ArcChainSegmentsForSweep, NoChordStraysMoreThanHalfAPixel) {
  constexpr double kPi = std::numbers::pi;
  struct Case {
    const char* name;
    double baselineRadius, largestRadius, sweep, pixelSize;
    int expected;
  } cases[] = {
      // 2.4 pixels: a chord may span 2 acos(1 - 0.5 / 2.4) = 1.314 rad; π / 1.314 = 2.39.
      {"half of a degree sign", 0.24, 0.24, kPi, 0.1, 3},
      {"negative sweep", 0.24, 0.24, -kPi, 0.1, 3},
      {"narrow text, taller than wide", 0.12, 0.24, kPi, 0.1, 3},
      // 100 pixels: 7.5 chords would do; the radius rule gives (100 + 0.5) × 2/3 = 67.
      {"large arc keeps the radius count", 10, 10, 1.5, 0.1, 67},
      {"a quarter pixel", 0.025, 0.025, 2 * kPi, 0.1, 1},
      {"no sweep", 0.24, 0.24, 0, 0.1, 1},
      {"NaN sweep", 0.24, 0.24, std::nan(""), 0.1, 1},
      {"no pixel size", 1, 1, kPi, 0, 512},
      {"huge radius", 1e12, 1e12, kPi, 1, 512},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ArcChainSegmentsForSweep(c.baselineRadius, c.largestRadius, c.sweep, c.pixelSize),
              c.expected);
  }
}

TEST(ArcChainSegments, RoundsAndLimits) {
  struct Case {
    const char* name;
    double radius, pixelSize;
    int expected;
  } cases[] = {
      {"a few pixels", 1.1, 0.1, 7},    // (11 + 0.5) × 2/3 = 7.67, truncated
      {"a whole number", 1.0, 0.1, 7},  // (10 + 0.5) × 2/3
      {"tiny arc", 0, 1, 1},
      {"huge arc", 1e6, 1, 512},
      {"no pixel size", 1, 0, 512},
      {"nothing at all", 0, 0, 1},
      {"negative pixel size", 1, -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ArcChainSegments(c.radius, c.pixelSize), c.expected);
  }
}

TEST_F(TextLayout, ExtentsCountEveryStrokeFromTheInsertionPoint) {
  struct Case {
    const char* name;
    std::u16string content;
    uint8_t flags;
    Point min, max;  // P = (2, 3), height 1
  } cases[] = {
      {"line stroke", u"A", 0, {2, 3}, {2.7, 4}},
      {"upside down", u"A", kTextUpsideDown, {2, 2}, {2.7, 3}},
      // Q's quarter arc about (2.5, 3.5), radius 0.5, from 0 to a quarter turn.
      {"arc stroke", u"Q", 0, {2, 3}, {3, 4}},
      {"empty", u"", 0, {2, 3}, {2, 3}},
      {"second line", u"A\nA", 0, {2, 1}, {2.7, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(c.content);
    text.insertionPoint = {2, 3};
    text.generationFlags = c.flags;
    Point min, max;
    GetTextExtents(text, min, max);
    EXPECT_POINT_NEAR(min, c.min.x, c.min.y);
    EXPECT_POINT_NEAR(max, c.max.x, c.max.y);
  }
}

TEST_F(TextLayout, FrameSpansTheWidthFromTheAlignmentOffsetAndOneHeight) {
  struct Case {
    const char* name;
    uint8_t alignment, flags;
    double widthFactor;
    TextFrame expected;  // "AB" is 1.5 wide
  } cases[] = {
      {"left", kAlignLeft, 0, 1, {0, 1.5, 0, 1}},
      {"wider", kAlignLeft, 0, 2, {0, 3, 0, 1}},
      {"right", kAlignRight, 0, 1, {-1.5, 0, 0, 1}},
      {"centre", kAlignCenter, 0, 1, {-0.8, 0.7, 0, 1}},
      {"backward", kAlignLeft, kTextBackward, 1, {-1.5, 0, 0, 1}},
      {"upside down", kAlignLeft, kTextUpsideDown, 1, {0, 1.5, -1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextPlacement text = Text(u"AB");
    text.horizontalAlignment = c.alignment;
    text.generationFlags = c.flags;
    text.widthFactor = c.widthFactor;
    const TextFrame frame = GetTextFrame(text);
    EXPECT_NEAR(frame.left, c.expected.left, 1e-6);
    EXPECT_NEAR(frame.right, c.expected.right, 1e-6);
    EXPECT_NEAR(frame.bottom, c.expected.bottom, 1e-6);
    EXPECT_NEAR(frame.top, c.expected.top, 1e-6);
  }
}

TEST_F(TextLayout, FrameContainsTestsInTheTextsOwnFrame) {
  TextPlacement text = Text(u"AB");
  text.insertionPoint = {10, 10};
  text.rotation = kPiD / 2;                           // the baseline runs up
  EXPECT_TRUE(TextFrameContains(text, {9.5, 11}));    // 1 along, 0.5 up
  EXPECT_FALSE(TextFrameContains(text, {9.5, 12}));   // 2 along: past the end
  EXPECT_FALSE(TextFrameContains(text, {10.5, 11}));  // below the baseline
  EXPECT_FALSE(TextFrameContains(text, {11, 10.5}));  // where an unrotated frame would be
}

TEST_F(TextLayout, BaselineStartMovesByTheAlignmentOffsetAlongTheText) {
  TextPlacement text = Text(u"A", 2);
  text.insertionPoint = {1, 1};
  text.rotation = kPiD / 2;
  text.horizontalAlignment = kAlignRight;
  const Point start = TextBaselineStart(text);
  EXPECT_POINT_NEAR(start, 1, 1 - 1.4);
  text.horizontalAlignment = kAlignLeft;
  EXPECT_EQ(TextBaselineStart(text), Point(1, 1));
}

TEST_F(TextLayout, NoFontOrNoGlyphsDrawNothing) {
  TextPlacement text = Text(u"AB");
  text.insertionPoint = {4, 5};
  text.font = nullptr;
  EXPECT_TRUE(Lay(text).lines.empty());
  Point min, max;
  GetTextExtents(text, min, max);
  EXPECT_EQ(min, Point(4, 5));
  EXPECT_EQ(max, Point(4, 5));

  // Neither the font's file nor the default font's: one message, nothing drawn.
  FontRef gone(u"GONE");
  text.font = gone.get();
  EXPECT_TRUE(Lay(text).lines.empty());
  GetTextExtents(text, min, max);
  EXPECT_EQ(min, Point(4, 5));
  EXPECT_EQ(max, Point(4, 5));
  EXPECT_EQ(messages_.Messages().size(), 1u);
}

TEST_F(TextLayout, LongTextLaysOutEveryCharacter) {
  const std::u16string content(100000, u'A');
  const RecordingSink sink = Lay(Text(content));
  ASSERT_EQ(sink.lines.size(), content.size());
  EXPECT_NEAR(sink.lines.back().from.x, 99999 + 0.1, 1e-6);
}

}  // namespace
}  // namespace korvo
