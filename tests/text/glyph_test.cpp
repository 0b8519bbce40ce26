#include "text/glyph.h"

#include <cmath>

#include <gtest/gtest.h>

namespace korvo {
namespace {

constexpr double kPiD = 3.141592653589793;

TEST(NormalizeArcAngles, Cases) {
  struct Case {
    const char* name;
    float r, a1, a2;
    double r2, b1, b2;
  } cases[] = {
      {"first quadrant stays", 1, 0, 1.5f, 1, 0, 1.5},
      {"across zero stays", 1, -1.5f, 1.5f, 1, -1.5, 1.5},
      {"start above pi comes down a turn", 1, 4.5f, 1.5f, 1, 4.5 - 2 * kPiD, 1.5},
      {"end below start goes up a turn", 1, 1.5f, 0, 1, 1.5, 2 * kPiD},
      {"end beyond two pi takes both down", 1, 3, 1, 1, 3 - 2 * kPiD, 1},
      {"angles beyond a turn are reduced", 1, 7, 8, 1, 7 - 2 * kPiD, 8 - 2 * kPiD},
      {"negative start", 1, -7, 0, 1, 4 * kPiD - 7 - 2 * kPiD, 0},
      {"negative radius turns half a turn", -1, 0, 1.5f, 1, kPiD, kPiD + 1.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ArcStroke arc{0, 0, c.r, c.a1, c.a2};
    NormalizeArcAngles(arc);
    EXPECT_FLOAT_EQ(arc.r, static_cast<float>(c.r2));
    EXPECT_NEAR(arc.a1, c.b1, 2e-6);
    EXPECT_NEAR(arc.a2, c.b2, 2e-6);
  }
}

TEST(SetGlyphExtents, Cases) {
  const double c45 = std::cos(kPiD / 4);
  struct Case {
    const char* name;
    std::vector<LineStroke> lines;
    std::vector<ArcStroke> arcs;  // normalised
    float advance;
    double left, right;
  } cases[] = {
      {"line ends", {{0.1f, 0, 0.7f, 1}}, {}, 1, 0.1, 0.7},
      {"no strokes keep the advance", {}, {}, 0.5f, 0, 0.5},
      {"arc through the positive x axis",
       {},
       {{1, 0, 0.5f, -0.785398f, 0.785398f}},
       2,
       1 + 0.5 * c45,
       1.5},
      {"arc through the negative x axis",
       {},
       {{1, 0, 0.5f, 2.356194f, 3.926991f}},
       2,
       0.5,
       1 - 0.5 * c45},
      {"arc from a negative start reaches both sides",
       {},
       {{1, 0, 0.5f, -3.283185f, 1}},
       2,
       0.5,
       1.5},
      {"upper half circle", {}, {{0.5f, 0.5f, 0.5f, 0, 3.1415925f}}, 1.25f, 0, 1},
      {"lines and arcs together",
       {{-0.2f, 0, 0.3f, 0}},
       {{0.5f, 0, 0.25f, -1.5707964f, 1.5707964f}},
       1,
       -0.2,
       0.75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Glyph glyph;
    glyph.lines = c.lines;
    glyph.arcs = c.arcs;
    SetGlyphExtents(glyph, c.advance);
    EXPECT_NEAR(glyph.leftExtent, c.left, 1e-6);
    EXPECT_NEAR(glyph.rightExtent, c.right, 1e-6);
    EXPECT_FLOAT_EQ(glyph.trailingSpace, c.advance - glyph.rightExtent);
    EXPECT_FLOAT_EQ(glyph.Advance(), c.advance);
  }
}

}  // namespace
}  // namespace korvo
