#include "core/text_entity.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/native_context.h"
#include "core/native_drawing.h"
#include "core/native_save_context.h"
#include "core/text_style.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/native_bytes.h"
#include "tests/text/font_test_folder.h"

namespace korvo {
namespace {

using test::Record;
using test::SequentialFont;
using testing::ExpectPointNear;
using testing::NativeBytes;

constexpr double kPiD = 3.141592653589793;

// Line spacing 2. "A" is inked from 0.1 to 0.7 of its advance 1; "B" is a baseline stroke;
// "O" has an arc only.
const std::vector<Record> kFont = {
    {u'A', 1.0f, {{0.1f, 0, 0.7f, 1}}, {}},
    {u'B', 0.75f, {{0, 0, 0.5f, 0}}, {}},
    {u'O', 1.0f, {}, {{0.5f, 0.5f, 0.5f, 0, 3.1415927f}}},
    {u'?', 0.875f, {{0, 0, 0.5f, 1}}, {}},
};

struct Segment {
  Point from, to;
};

class LineRecorder : public TextStrokeSink {
 public:
  void Line(const Point& from, const Point& to) override { lines.push_back({from, to}); }
  void Arc(const Point&, double, double, double, double, double) override { ++arcs; }
  std::vector<Segment> lines;
  int arcs = 0;
};

std::vector<Segment> LaidOutLines(const TextEntity& text) {
  LineRecorder sink;
  LayOutText(text.Placement(), 0.01, sink);
  return sink.lines;
}

class TextEntityTest : public test::FontFolderTest {
 protected:
  TextEntityTest() : style_(u"NOTES", u"TE", 0, 1, 0, 0) {
    WriteFont("TE.kcdfnt", SequentialFont(2.0f, kFont));
    settings_.currentTextStyle = &style_;
    settings_.currentLayer = &layer_;
    settings_.currentColorIndex = 3;
  }
  TextEntity Text(std::u16string content, double height = 2, const Point& at = {10, 5}) {
    return TextEntity(at, height, 0, 1, 0, 0, kAlignLeft, std::move(content), settings_);
  }

  TextStyle style_;
  Layer layer_;
  DrawingSettings settings_;
};

TEST_F(TextEntityTest, ConstructorsAndSetters) {
  const TextEntity blank;
  EXPECT_EQ(blank.GetElementCode(), ElementCode::Text);
  EXPECT_EQ(blank.insertionPoint, Point());
  EXPECT_EQ(blank.height, 0);
  EXPECT_EQ(blank.widthFactor, 1.0);
  EXPECT_EQ(blank.rotation, 0);
  EXPECT_EQ(blank.obliqueAngle, 0);
  EXPECT_EQ(blank.generationFlags, 0);
  EXPECT_EQ(blank.horizontalAlignment, 0);
  EXPECT_EQ(blank.style, nullptr);
  EXPECT_TRUE(blank.content.empty());
  EXPECT_EQ(blank.scratch, 0u);

  struct Case {
    const char* name;
    double height, widthFactor;
    uint8_t flags;
    double storedHeight, storedWidth;
    uint8_t storedFlags;
  } cases[] = {
      {"positive", 2.5, 0.75, 0, 2.5, 0.75, 0},
      {"negative height turns upside down", -2.5, 0.75, 0, 2.5, 0.75, kTextUpsideDown},
      {"negative width turns backward", 2.5, -0.75, 0, 2.5, 0.75, kTextBackward},
      {"both", -1, -1, 0, 1, 1, kTextBackward | kTextUpsideDown},
      {"given flags are kept", -1, 1, kTextBackward, 1, 1, kTextBackward | kTextUpsideDown},
      {"zero stays zero", 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TextEntity text({1, 2}, c.height, 0.5, c.widthFactor, 0.25, c.flags, kAlignRight, u"Hi",
                          settings_);
    EXPECT_EQ(text.height, c.storedHeight);
    EXPECT_EQ(text.widthFactor, c.storedWidth);
    EXPECT_EQ(text.generationFlags, c.storedFlags);
    EXPECT_EQ(text.insertionPoint, Point(1, 2));
    EXPECT_EQ(text.rotation, 0.5);
    EXPECT_EQ(text.obliqueAngle, 0.25);
    EXPECT_EQ(text.horizontalAlignment, kAlignRight);
    EXPECT_EQ(text.content, u"Hi");
    EXPECT_EQ(text.style, &style_);
    EXPECT_EQ(text.layer, &layer_);
    EXPECT_EQ(text.colorIndex, 3);
  }

  // Through the property the same value is stored as given.
  TextEntity text = Text(u"A");
  EXPECT_TRUE(text.SetTypeProperty(40, -1.0));
  EXPECT_EQ(text.height, -1);
  EXPECT_EQ(text.generationFlags, 0);
  text.SetHeight(-3);
  EXPECT_EQ(text.height, 3);
  EXPECT_EQ(text.generationFlags, kTextUpsideDown);
}

TEST_F(TextEntityTest, ScaleEdgeCases) {
  struct Case {
    const char* name;
    double height, widthFactor, rotation, oblique;
    double sx, sy;
    double newHeight, newWidth, newRotation, newOblique;
  } cases[] = {
      {"mirrored in x turns and stands upside down", 1, 1, 0, 0, -1, 1, -1, 1, kPiD, 0},
      {"mirrored in y stands upside down", 1, 1, 0, 0, 1, -1, -1, 1, 0, 0},
      {"uniform doubles the height only", 1.5, 0.8, 0.3, 0.2, 2, 2, 3, 0.8, 0.3, 0.2},
      {"wider along the baseline", 1, 1, 0, 0, 2, 1, 1, 2, 0, 0},
      {"taller", 1, 1, 0, 0, 1, 2, 2, 0.5, 0, 0},
      // Turned a quarter, the world's x runs along the text's height.
      {"turned a quarter, wider in x", 1, 1, kPiD / 2, 0, 2, 1, 2, 0.5, kPiD / 2, 0},
      {"half a turn under both mirrors", 1, 1, 0, 0, -1, -1, 1, 1, kPiD, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text = Text(u"A", c.height, {3, 4});
    text.widthFactor = c.widthFactor;
    text.rotation = c.rotation;
    text.obliqueAngle = c.oblique;
    text.Scale({{1, 1}, c.sx, c.sy});
    EXPECT_NEAR(text.height, c.newHeight, 1e-12);
    EXPECT_NEAR(text.widthFactor, c.newWidth, 1e-12);
    EXPECT_NEAR(std::remainder(text.rotation - c.newRotation, 2 * kPiD), 0, 1e-12);
    EXPECT_NEAR(text.obliqueAngle, c.newOblique, 1e-12);
    EXPECT_EQ(text.generationFlags, 0);
    ExpectPointNear(text.insertionPoint, {1 + 2 * c.sx, 1 + 3 * c.sy});
  }
}

// Whatever the scaling, the scaled text's strokes are the scaled strokes of the text; the
// mirroring bits of text and style stay as they were.
TEST_F(TextEntityTest, ScaleMovesEveryStrokeLikeThePointsAroundIt) {
  struct Case {
    const char* name;
    double height, widthFactor, rotation, oblique;
    uint8_t flags, styleFlags, alignment;
    double sx, sy;
  } cases[] = {
      {"mirror in x", 1, 1, 0, 0, 0, 0, kAlignLeft, -1, 1},
      {"mirror in y, turned and slanted", 2, 0.7, 0.4, 0.3, 0, 0, kAlignLeft, 1, -1},
      {"non-uniform on a turned text", 1.5, 1.2, 0.7, 0, 0, 0, kAlignLeft, 3, 0.5},
      {"non-uniform on a slanted backward text", 1, 1, -1.1, -0.2, kTextBackward, 0, kAlignRight,
       0.5, 2},
      {"mirror of an upside-down centred text", 1, 1, 2.5, 0.1, kTextUpsideDown, 0, kAlignCenter,
       -2, 1.5},
      {"non-uniform on a text backward by its style", 1, 0.9, 0.6, 0.2, 0, kTextBackward,
       kAlignLeft, 1.5, 0.5},
      {"mirror of a text upside down by its style", 1, 0.9, -0.6, 0.2, kTextBackward,
       kTextUpsideDown, kAlignRight, 1, -2},
      {"negative height from a file", -1, 1.3, 0.2, 0.15, 0, 0, kAlignLeft, 1.5, -0.75},
      {"negative width factor from a file", 1, -0.6, 0.2, 0.15, 0, 0, kAlignRight, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    style_.flags = c.styleFlags;
    TextEntity text = Text(u"AB?A", 1, {-2, 7});
    text.height = c.height;
    text.widthFactor = c.widthFactor;
    text.rotation = c.rotation;
    text.obliqueAngle = c.oblique;
    text.generationFlags = c.flags;
    text.horizontalAlignment = c.alignment;
    const Scaling scaling{{0.5, -1}, c.sx, c.sy};
    const std::vector<Segment> before = LaidOutLines(text);
    text.Scale(scaling);
    const std::vector<Segment> after = LaidOutLines(text);
    ASSERT_EQ(before.size(), 4u);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      SCOPED_TRACE(i);
      ExpectPointNear(after[i].from, scaling.Apply(before[i].from), 1e-9);
      ExpectPointNear(after[i].to, scaling.Apply(before[i].to), 1e-9);
    }
    EXPECT_GE(text.widthFactor, 0);
    EXPECT_EQ(text.generationFlags, c.flags);
  }
  style_.flags = 0;
}

// A backward text scaled by one stays as it is rather than turning half a turn.
TEST_F(TextEntityTest, ScaleByOneKeepsABackwardText) {
  for (const uint8_t flags : {uint8_t{0}, kTextBackward, kTextUpsideDown}) {
    SCOPED_TRACE(int{flags});
    TextEntity text = Text(u"A", 1.5);
    text.rotation = 0.3;
    text.obliqueAngle = 0.2;
    text.widthFactor = 0.8;
    text.generationFlags = flags;
    text.Scale({{0, 0}, 1, 1});
    EXPECT_NEAR(text.height, 1.5, 1e-12);
    EXPECT_NEAR(text.widthFactor, 0.8, 1e-12);
    EXPECT_NEAR(text.rotation, 0.3, 1e-12);
    EXPECT_NEAR(text.obliqueAngle, 0.2, 1e-12);
  }
}

TEST_F(TextEntityTest, ScaleOfADegenerateTextKeepsItsValues) {
  struct Case {
    const char* name;
    double height, widthFactor;
    double sx, sy;
    double newHeight, newWidth, newRotation;
  } cases[] = {
      // Nothing to divide by: the slant and the width factor stay.
      {"no height", 0, 1, 2, 2, 0, 1, 0.5},
      // A zero factor is refused: the text stays as it was.
      {"flattened to no height", 1, 1, 1, 0, 1, 1, 0},
      // The baseline direction survives a text without width.
      {"no width", 1, 0, 2, 2, 2, 0, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text = Text(u"A", c.height);
    text.widthFactor = c.widthFactor;
    text.rotation = 0.5;
    text.obliqueAngle = 0.25;
    if (c.sy == 0) text.rotation = 0;
    text.Scale({{0, 0}, c.sx, c.sy});
    EXPECT_NEAR(text.height, c.newHeight, 1e-12);
    EXPECT_NEAR(text.widthFactor, c.newWidth, 1e-12);
    EXPECT_NEAR(text.rotation, c.newRotation, 1e-12);
    EXPECT_FALSE(std::isnan(text.obliqueAngle));
    EXPECT_NEAR(text.obliqueAngle, 0.25, 1e-12);
  }
}

TEST_F(TextEntityTest, TranslateAndRotate) {
  TextEntity text = Text(u"A", 1, {2, 1});
  text.rotation = 0.25;
  text.Translate({1, -1});
  EXPECT_EQ(text.insertionPoint, Point(3, 0));
  text.Rotate(Rotation::About({1, 0}, kPiD / 2));
  ExpectPointNear(text.insertionPoint, {1, 2});
  EXPECT_NEAR(text.rotation, 0.25 + kPiD / 2, 1e-15);
}

TEST_F(TextEntityTest, ExtentsFromTheLaidOutStrokes) {
  struct Case {
    const char* name;
    std::u16string content;
    double rotation;
    uint8_t alignment;
    Point min, max;  // insertion point (10, 5), height 2
  } cases[] = {
      {"left", u"A", 0, kAlignLeft, {10, 5}, {11.4, 7}},
      // The right extent of "A" ends at the insertion point; its trailing space does not count.
      {"right", u"A", 0, kAlignRight, {8.8, 5}, {10, 7}},
      // B's baseline stroke lies one line spacing (2) times the height below.
      {"two lines", u"A\nB", 0, kAlignLeft, {10, 1}, {11.4, 7}},
      {"turned a quarter", u"A", kPiD / 2, kAlignLeft, {8, 5}, {10, 6.4}},
      {"empty", u"", 0, kAlignLeft, {10, 5}, {10, 5}},
      // O's upper half circle: centre (11, 6), radius 1.
      {"arc strokes count whole", u"O", 0, kAlignLeft, {10, 5}, {12, 7}},
      {"line feeds only", u"\n\n", 0, kAlignRight, {10, 5}, {10, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text = Text(c.content);
    text.rotation = c.rotation;
    text.horizontalAlignment = c.alignment;
    Point min, max;
    EXPECT_TRUE(text.GetExtents(min, max));
    // The font holds 32-bit floats.
    ExpectPointNear(min, c.min, 1e-6);
    ExpectPointNear(max, c.max, 1e-6);
  }

  TextEntity styleless;
  styleless.insertionPoint = {4, 4};
  styleless.height = 1;
  styleless.content = u"AAA";
  Point min, max;
  EXPECT_TRUE(styleless.GetExtents(min, max));
  EXPECT_EQ(min, Point(4, 4));
  EXPECT_EQ(max, Point(4, 4));
}

TEST_F(TextEntityTest, HundredThousandCharactersLayOut) {
  TextEntity text = Text(std::u16string(100000, u'A'), 1, {0, 0});
  Point min, max;
  text.GetExtents(min, max);
  EXPECT_NEAR(max.x, 99999 + 0.7, 1e-6);
  EXPECT_EQ(max.y, 1);
  Point out;
  EXPECT_EQ(text.NearestPoint({50000, 0.5}, out), 0);
  EXPECT_EQ(out, Point(50000, 0.5));
}

TEST_F(TextEntityTest, NearestPointInsideTheFrameIsThePointItself) {
  struct Case {
    const char* name;
    double rotation;
    uint8_t flags, alignment;
    Point p;
    bool inside;
  } cases[] = {
      // "A" at (10, 5), height 2: its frame spans 1.4 along the baseline and 2 up.
      {"inside", 0, 0, kAlignLeft, {11, 6}, true},
      {"on the border", 0, 0, kAlignLeft, {10, 7}, true},
      {"beyond the right extent", 0, 0, kAlignLeft, {11.5, 6}, false},
      {"below the baseline", 0, 0, kAlignLeft, {11, 4.9}, false},
      {"upside down hangs below", 0, kTextUpsideDown, kAlignLeft, {11, 4}, true},
      {"backward runs left", 0, kTextBackward, kAlignLeft, {9, 6}, true},
      {"right aligned ends at the insertion point", 0, 0, kAlignRight, {9, 6}, true},
      {"turned a quarter", kPiD / 2, 0, kAlignLeft, {9, 6}, true},
      {"turned a quarter, outside", kPiD / 2, 0, kAlignLeft, {11, 6}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text = Text(u"A");
    text.rotation = c.rotation;
    text.generationFlags = c.flags;
    text.horizontalAlignment = c.alignment;
    Point out;
    const double distance = text.NearestPoint(c.p, out);
    if (c.inside) {
      EXPECT_EQ(distance, 0);
      EXPECT_EQ(out, c.p);
    } else {
      EXPECT_DOUBLE_EQ(distance, std::hypot(c.p.x - 10, c.p.y - 5));
      EXPECT_EQ(out, Point(10, 5));
    }
    Point key;
    EXPECT_DOUBLE_EQ(text.NearestKeyPoint(c.p, key), std::hypot(c.p.x - 10, c.p.y - 5));
    EXPECT_EQ(key, Point(10, 5));
  }
}

TEST_F(TextEntityTest, CrossesRect) {
  struct Case {
    const char* name;
    double rotation;
    double x1, y1, x2, y2;
    bool crosses;
  } cases[] = {
      // "AAA" at (10, 5), height 2: frame 10..15.4 by 5..7.
      {"holds the whole text", 0, 0, 0, 20, 20, true},
      {"a corner in the frame", 0, 12, 6, 30, 30, true},
      {"a thin window across the line", 0, 9, 5.9, 16, 6.1, true},
      {"a thin window across the line, turned text", kPiD / 6, 9, 7.4, 20, 7.6, true},
      {"above", 0, 9, 7.5, 16, 9, false},
      {"right of it", 0, 15.5, 0, 20, 20, false},
      // The turned frame's box covers the window but the frame does not.
      {"in the corner of a turned text's box", kPiD / 4, 13, 5, 14, 6, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text = Text(u"AAA");
    text.rotation = c.rotation;
    EXPECT_EQ(text.CrossesRect(c.x1, c.y1, c.x2, c.y2), c.crosses);
  }

  // Damaged values select the text only by its insertion point.
  for (const double bad : {NAN, INFINITY}) {
    SCOPED_TRACE(bad);
    TextEntity text = Text(u"AAA");
    text.height = bad;
    EXPECT_FALSE(text.CrossesRect(-100, -100, 5, 100));
    EXPECT_TRUE(text.CrossesRect(9, 4, 11, 6));
  }
}

TEST_F(TextEntityTest, PropertiesByGroupCode) {
  TextEntity text({1, 2}, 2.5, 0.5, 0.75, 0.25, kTextBackward, kAlignCenter, u"Hello", settings_);
  struct Get {
    const char* name;
    int code;
    PropertyValue value;
  } gets[] = {
      {"content", 1, std::u16string(u"Hello")},
      {"style name", 7, std::u16string(u"NOTES")},
      {"x", 10, 1.0},
      {"y", 20, 2.0},
      {"point as x and y", 0x000A0014, Point(1, 2)},
      {"point as y and x", 0x0014000A, Point(1, 2)},
      {"height", 40, 2.5},
      {"width factor", 41, 0.75},
      {"rotation", 50, 0.5},
      {"oblique angle", 51, 0.25},
      {"generation flags", 71, int{kTextBackward}},
      {"alignment", 72, int{kAlignCenter}},
  };
  for (const Get& g : gets) {
    SCOPED_TRACE(g.name);
    PropertyValue out;
    ASSERT_TRUE(text.GetTypeProperty(g.code, out));
    EXPECT_EQ(out, g.value);
  }
  PropertyValue out;
  EXPECT_FALSE(text.GetTypeProperty(11, out));
  EXPECT_FALSE(text.GetTypeProperty(42, out));
  EXPECT_FALSE(text.GetTypeProperty(0x000B0015, out));

  TextStyle other(u"OTHER", u"TE", 0, 1, 0, 0);
  struct Set {
    const char* name;
    int code;
    PropertyValue value;
    bool accepted;
  } sets[] = {
      {"content", 1, std::u16string(u"A\nB"), true},
      {"content needs a string", 1, 3.0, false},
      {"style", 7, &other, true},
      {"no style", 7, static_cast<TextStyle*>(nullptr), false},
      {"style needs a style", 7, std::u16string(u"OTHER"), false},
      {"x", 10, 7.0, true},
      {"y", 20, 8.0, true},
      {"pair", 0x0014000A, Point(9, 10), true},
      {"height as given", 40, -4.0, true},
      {"width as given", 41, -0.5, true},
      {"rotation", 50, 1.5, true},
      {"oblique", 51, -0.1, true},
      {"flags", 71, 6, true},
      {"flags beyond a byte", 71, 256, false},
      {"negative flags", 71, -1, false},
      {"flags need an integer", 71, 2.0, false},
      {"alignment", 72, 2, true},
      {"unknown code", 73, 2, false},
  };
  for (const Set& s : sets) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(text.SetTypeProperty(s.code, s.value), s.accepted);
  }
  EXPECT_EQ(text.content, u"A\nB");
  EXPECT_EQ(text.style, &other);
  EXPECT_EQ(text.insertionPoint, Point(9, 10));
  EXPECT_EQ(text.height, -4);
  EXPECT_EQ(text.widthFactor, -0.5);
  EXPECT_EQ(text.rotation, 1.5);
  EXPECT_EQ(text.obliqueAngle, -0.1);
  EXPECT_EQ(text.generationFlags, 6);
  EXPECT_EQ(text.horizontalAlignment, 2);
  // Common codes still reach the base.
  ASSERT_TRUE(text.GetProperty(62, out));
  EXPECT_EQ(out, PropertyValue(3));
}

TEST_F(TextEntityTest, CopyFromTakesEveryFieldOfATextOnly) {
  TextEntity source({1, 2}, 2.5, 0.5, 0.75, 0.25, kTextBackward, kAlignCenter, u"Hello", settings_);
  source.scratch = 0xDEADBEEF;
  source.flags = EntityFlag::Selected | EntityFlag::OutOfView;
  TextEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.scratch, 0xDEADBEEFu);
  EXPECT_EQ(copy.insertionPoint, source.insertionPoint);
  EXPECT_EQ(copy.height, 2.5);
  EXPECT_EQ(copy.widthFactor, 0.75);
  EXPECT_EQ(copy.rotation, 0.5);
  EXPECT_EQ(copy.obliqueAngle, 0.25);
  EXPECT_EQ(copy.generationFlags, kTextBackward);
  EXPECT_EQ(copy.horizontalAlignment, kAlignCenter);
  EXPECT_EQ(copy.style, &style_);
  EXPECT_EQ(copy.content, u"Hello");
  EXPECT_EQ(copy.layer, &layer_);
  EXPECT_EQ(copy.colorIndex, 3);
  EXPECT_EQ(copy.flags, EntityFlag::Selected);

  const LineEntity line({0, 0}, {1, 1}, settings_);
  TextEntity unchanged = Text(u"Stay");
  unchanged.colorIndex = 5;
  unchanged.CopyFrom(line);
  EXPECT_EQ(unchanged.content, u"Stay");
  EXPECT_EQ(unchanged.colorIndex, 5);
}

// Written by hand: style index, insertion point, height, width factor, rotation, oblique,
// flags, alignment, then the guarded length and the announced UTF-16 string.
const std::vector<uint8_t> kBodyAb = {
    0x03, 0x00, 0x00, 0x00,                          // style index 3
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // x 1.0
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // y 2.0
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x40,  // height 2.5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // width factor 1.0
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,  // rotation 0.5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0xBF,  // oblique -0.25
    0x04,                                            // upside down
    0x02,                                            // right aligned
    0x02, 0x00, 0x00, 0x00, 0xFD, 0xFF, 0xFF, 0xFF,  // 2 characters, complement
    0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x62, 0x00,  // "Ab"
};

TEST_F(TextEntityTest, WriteBodyBytes) {
  // The style is the fourth of its drawing's table.
  Drawing drawing;
  drawing.New();
  for (const char16_t* name : {u"A", u"B", u"C"})
    drawing.textStyles.Add(new TextStyle(name, u"TE", 0, 1, 0, 0));
  const NativeSaveContext numbers(drawing);
  TextEntity text({1, 2}, -2.5, 0.5, 1, -0.25, 0, kAlignRight, u"Ab", settings_);
  text.style = drawing.textStyles.Find(u"C");
  EXPECT_EQ(testing::BodyBytes(text, &numbers), kBodyAb);

  // Without a style there is nothing to name in the file.
  TextEntity styleless;
  ArchiveWriter writer;
  EXPECT_FALSE(styleless.WriteBody(writer));
}

// The style list of the file being read, as the native reader holds it.
class StyleListContext : public NativeLoadContext {
 public:
  TextStyle* FindTextStyle(uint32_t index) const override {
    return index < styles.size() ? styles[index] : nullptr;
  }
  std::vector<TextStyle*> styles;
};

TEST_F(TextEntityTest, ReadBodyOfEveryVersion) {
  TextStyle other(u"OTHER", u"TE", 0, 1, 0, 0);
  StyleListContext context;
  context.styles = {&other, &other, &other, &style_};
  // The same text before version 3: no alignment byte, and an 8-bit string.
  NativeBytes old;
  old.U32(3).Pt(1, 2).F64(2.5).F64(1).F64(0.5).F64(-0.25).U8(kTextUpsideDown);
  old.Guard(3).U8(3).U8('A').U8(0xB0).U8('\n');
  struct Case {
    const char* name;
    int version;
    std::vector<uint8_t> bytes;
    uint8_t alignment;
    std::u16string content;
  } cases[] = {
      {"version 4", 4, kBodyAb, kAlignRight, u"Ab"},
      {"version 3 has the alignment", 3, kBodyAb, kAlignRight, u"Ab"},
      {"version 2 has none", 2, old.bytes, kAlignLeft, u"A\u00B0\n"},
      {"version 1", 1, old.bytes, kAlignLeft, u"A\u00B0\n"},
      {"version 0", 0, old.bytes, kAlignLeft, u"A\u00B0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text;
    ArchiveReader reader(c.bytes);
    reader.version = c.version;
    reader.loadContext = &context;
    text.ReadBody(reader);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(text.style, &style_);
    EXPECT_EQ(text.insertionPoint, Point(1, 2));
    EXPECT_EQ(text.height, 2.5);
    EXPECT_EQ(text.widthFactor, 1.0);
    EXPECT_EQ(text.rotation, 0.5);
    EXPECT_EQ(text.obliqueAngle, -0.25);
    EXPECT_EQ(text.generationFlags, kTextUpsideDown);
    EXPECT_EQ(text.horizontalAlignment, c.alignment);
    EXPECT_EQ(text.content, c.content);

    for (std::size_t length = 0; length < c.bytes.size(); ++length) {
      SCOPED_TRACE(length);
      ArchiveReader truncated(std::span<const uint8_t>(c.bytes.data(), length));
      truncated.version = c.version;
      truncated.loadContext = &context;
      try {
        text.ReadBody(truncated);
        ADD_FAILURE() << "a truncated body was accepted";
      } catch (const ArchiveError& error) {
        EXPECT_EQ(error.kind(), ArchiveErrorKind::EndOfFile);
      }
    }
  }
}

TEST_F(TextEntityTest, ReadBodyRefusesDamage) {
  StyleListContext context;
  context.styles = {&style_, &style_, &style_, &style_};
  const auto body = [](uint32_t styleIndex) {
    NativeBytes b;
    b.U32(styleIndex).Pt(1, 2).F64(2.5).F64(1).F64(0.5).F64(-0.25).U8(4).U8(2);
    return b;
  };
  struct Case {
    const char* name;
    NativeBytes bytes;
    bool withContext;
    ArchiveErrorKind error;
  } cases[] = {
      {"style index beyond the list", body(4).Name(u"Ab"), true, ArchiveErrorKind::BadClass},
      {"negative style index", body(0xFFFFFFFF).Name(u"Ab"), true, ArchiveErrorKind::BadClass},
      {"no style list", body(0).Name(u"Ab"), false, ArchiveErrorKind::BadClass},
      {"length without its complement", body(0).U32(2).U32(2).Str(u"Ab"), true,
       ArchiveErrorKind::BadClass},
      {"length unlike the string's", body(0).Guard(3).Str(u"Ab"), true, ArchiveErrorKind::BadClass},
      {"length beyond the file", body(0).Guard(1000).Str(u"Ab"), true, ArchiveErrorKind::EndOfFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextEntity text;
    ArchiveReader reader(c.bytes.bytes);
    if (c.withContext) reader.loadContext = &context;
    try {
      text.ReadBody(reader);
      ADD_FAILURE() << "a damaged body was accepted";
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), c.error);
    }
  }
}

TEST_F(TextEntityTest, RoundTripThroughADrawingFile) {
  Drawing drawing;
  drawing.New();
  auto* notes = new TextStyle(u"Notes", u"TE", 0, 1, 0, TextStyle::kBackwards);
  drawing.textStyles.Add(notes);
  DrawingSettings& s = drawing.settings;
  s.currentTextStyle = notes;
  drawing.entities.AddTail(new TextEntity({1, 2}, -2.5, 0.5, 0.75, -0.25, kTextBackward,
                                          kAlignCenter, u"Two\nlines \u6587", s));
  s.currentTextStyle = drawing.textStyles.Find(u"STANDARD");
  drawing.entities.AddTail(new TextEntity({3, 4}, 1, 0, 1, 0, 0, kAlignLeft, u"", s));

  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(writer.bytes(), reopened, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  ASSERT_EQ(reopened.entities.size(), 2u);
  const TextEntity* first = reopened.entities.Head()->AsText();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->style, reopened.textStyles.Find(u"NOTES"));
  EXPECT_EQ(first->insertionPoint, Point(1, 2));
  EXPECT_EQ(first->height, 2.5);
  EXPECT_EQ(first->widthFactor, 0.75);
  EXPECT_EQ(first->rotation, 0.5);
  EXPECT_EQ(first->obliqueAngle, -0.25);
  EXPECT_EQ(first->generationFlags, kTextBackward | kTextUpsideDown);
  EXPECT_EQ(first->horizontalAlignment, kAlignCenter);
  EXPECT_EQ(first->content, u"Two\nlines \u6587");
  const TextEntity* second = reopened.entities.Tail()->AsText();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->style, reopened.textStyles.Find(u"STANDARD"));
  EXPECT_TRUE(second->content.empty());

  ArchiveWriter again;
  WriteDrawing(again, reopened);
  EXPECT_EQ(again.bytes(), writer.bytes());
}

}  // namespace
}  // namespace korvo
