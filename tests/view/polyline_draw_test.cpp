#include <cstdlib>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "tests/support/canvas.h"
#include "tests/support/extreme_values.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

using testing::Canvas;

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

struct V {
  Point at;
  double startWidth = 0;
  double endWidth = 0;
  double bulge = 0;
  uint8_t flags = 0;
};

std::unique_ptr<PolylineEntity> Make(const Canvas& canvas, std::initializer_list<V> vertices,
                                     bool closed = false) {
  auto polyline = std::make_unique<PolylineEntity>(canvas.settings);
  for (const V& v : vertices) {
    polyline->AppendVertex(v.at, v.startWidth, v.endWidth, v.bulge, v.flags, 0);
  }
  polyline->SetClosed(closed);
  return polyline;
}

// The pixel of world point (x, y): one world unit per pixel, y up.
uint32_t At(const Canvas& canvas, int x, int y) {
  return canvas.bitmap.Pixel(x, canvas.size - 1 - y);
}

bool Draw(Canvas& canvas, PolylineEntity& polyline) {
  auto rc = canvas.Context();
  return polyline.Draw(*rc);
}

TEST(PolylineDraw, WideSegmentFillsItsBand) {
  Canvas canvas;
  auto polyline = Make(canvas, {{{2, 8}, 4, 4}, {{13, 8}}});
  ASSERT_TRUE(Draw(canvas, *polyline));
  // The band runs from y = 6 to y = 10 between x = 2 and x = 13.
  for (int y = 6; y <= 10; ++y) {
    SCOPED_TRACE(y);
    EXPECT_EQ(At(canvas, 2, y), kRed);
    EXPECT_EQ(At(canvas, 8, y), kRed);
    EXPECT_EQ(At(canvas, 13, y), kRed);
  }
  EXPECT_EQ(At(canvas, 8, 5), 0u);
  EXPECT_EQ(At(canvas, 8, 11), 0u);
  EXPECT_EQ(At(canvas, 1, 8), 0u);
  EXPECT_EQ(At(canvas, 14, 8), 0u);
  // Drawing rebuilt the stale segments.
  EXPECT_EQ(polyline->segmentsValid, 1);
}

TEST(PolylineDraw, BandsBelowTwoPixelsAreThinLines) {
  struct Case {
    const char* name;
    double width;
    int rows;
  } cases[] = {{"one pixel", 1, 1}, {"1.9 pixels", 1.9, 1}, {"two pixels", 2, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    auto polyline = Make(canvas, {{{2, 8}, c.width, c.width}, {{13, 8}}});
    ASSERT_TRUE(Draw(canvas, *polyline));
    int rows = 0;
    for (int y = 0; y < canvas.size; ++y) rows += At(canvas, 8, y) == kRed;
    EXPECT_EQ(rows, c.rows);
  }
}

TEST(PolylineDraw, WedgeFromAPointToABand) {
  Canvas canvas;
  auto polyline = Make(canvas, {{{1, 8}, 0, 8}, {{13, 8}}});
  ASSERT_TRUE(Draw(canvas, *polyline));
  const auto columnHeight = [&](int x) {
    int rows = 0;
    for (int y = 0; y < canvas.size; ++y) rows += At(canvas, x, y) == kRed;
    return rows;
  };
  EXPECT_LE(columnHeight(1), 1);
  EXPECT_LT(columnHeight(4), columnHeight(8));
  EXPECT_LT(columnHeight(8), columnHeight(13));
  EXPECT_EQ(columnHeight(13), 9);  // y = 4 to 12
}

TEST(PolylineDraw, DashedBandsLeaveGaps) {
  // Dashes of 4 and gaps of 4 from the start: starting a whole number of rounds off the
  // picture puts them at the same places.
  for (double startX : {0.0, -1000.0}) {
    SCOPED_TRACE(startX);
    Canvas canvas;
    LineType dashed(u"DASHED", u"", u"4, -4");
    auto polyline = Make(canvas, {{{startX, 8}, 4, 4}, {{15, 8}}});
    polyline->lineType = &dashed;
    ASSERT_TRUE(Draw(canvas, *polyline));
    EXPECT_EQ(At(canvas, 2, 8), kRed);
    EXPECT_EQ(At(canvas, 2, 10), kRed);
    EXPECT_EQ(At(canvas, 6, 8), 0u);
    EXPECT_EQ(At(canvas, 6, 10), 0u);
    EXPECT_EQ(At(canvas, 10, 8), kRed);
    EXPECT_EQ(At(canvas, 14, 8), 0u);
  }
}

TEST(PolylineDraw, ArcBandWiderThanItsDiameterDrawsAsTheDiameter) {
  Canvas wide;
  Canvas exact;
  auto tooWide = Make(wide, {{{5, 8}, 100, 100, 1}, {{11, 8}}});
  auto diameter = Make(exact, {{{5, 8}, 6, 6, 1}, {{11, 8}}});
  ASSERT_TRUE(Draw(wide, *tooWide));
  ASSERT_TRUE(Draw(exact, *diameter));
  EXPECT_GT(exact.CountNot(0), 20);
  EXPECT_EQ(wide.bitmap.pixels(), exact.bitmap.pixels());
  // The half circle runs below the chord: the centre column is filled down to y = 2.
  EXPECT_EQ(At(exact, 8, 3), kRed);
  EXPECT_EQ(At(exact, 8, 12), 0u);
}

TEST(PolylineDraw, SegmentsTakeThePolylinesColor) {
  Canvas canvas;
  auto polyline = Make(canvas, {{{2, 8}, 4, 4}, {{13, 8}, 0, 0, 0.5}, {{13, 2}}});
  polyline->SetColorIndex(3);
  ASSERT_TRUE(Draw(canvas, *polyline));
  EXPECT_EQ(At(canvas, 8, 8), kGreen);
  for (uint32_t p : canvas.bitmap.pixels()) EXPECT_TRUE(p == 0 || p == kGreen);
}

TEST(PolylineDraw, SelectedPolylineHighlightsItsSegmentsAndPutsTheirFlagsBack) {
  Canvas plain;
  Canvas selected;
  auto a = Make(plain, {{{1, 8}}, {{14, 8}}, {{14, 1}}});
  auto b = Make(selected, {{{1, 8}}, {{14, 8}}, {{14, 1}}});
  b->flags |= EntityFlag::Selected;
  ASSERT_TRUE(Draw(plain, *a));
  ASSERT_TRUE(Draw(selected, *b));
  // Thin selected geometry is dotted.
  EXPECT_GT(selected.CountNot(0), 0);
  EXPECT_LT(selected.CountNot(0), plain.CountNot(0));
  for (Entity* segment : b->segmentList) EXPECT_FALSE(segment->IsSelected());
}

TEST(PolylineDraw, SplineFrameFollowsTheSetting) {
  for (uint8_t frameOn : {0, 1}) {
    SCOPED_TRACE(frameOn);
    Canvas canvas;
    canvas.settings.splineFrame = frameOn;
    auto polyline = Make(canvas,
                         {{{2, 2}, 0, 0, 0, VertexFlag::SplineFrame},
                          {{13, 2}, 0, 0, 0, VertexFlag::SplineFrame},
                          {{13, 13}, 0, 0, 0, VertexFlag::SplineFrame},
                          {{5, 6}, 0, 0, 0, VertexFlag::SplineFit},
                          {{10, 8}, 0, 0, 0, VertexFlag::SplineFit}},
                         true);
    polyline->polylineFlags |= PolylineFlag::SplineFit;
    ASSERT_TRUE(Draw(canvas, *polyline));
    // The fit segment is drawn either way; the frame's sides only with the setting.
    EXPECT_EQ(At(canvas, 5, 6), kRed);
    EXPECT_EQ(At(canvas, 8, 2) == kRed, frameOn == 1);
    EXPECT_EQ(At(canvas, 13, 8) == kRed, frameOn == 1);
    // The closing side from (13, 13) back to (2, 2).
    EXPECT_EQ(At(canvas, 3, 3) == kRed, frameOn == 1);
  }
}

TEST(PolylineDraw, SelectedPolylineWithoutSegmentsShowsNoMark) {
  // Only control points: valid, but no segment joins them. A block reference with nothing
  // to draw marks its insertion point when selected; a polyline does not.
  Canvas canvas;
  auto polyline = Make(canvas, {{{2, 2}, 0, 0, 0, VertexFlag::SplineFrame},
                                {{13, 13}, 0, 0, 0, VertexFlag::SplineFrame}});
  polyline->insertionPoint = Point(8, 8);
  polyline->flags |= EntityFlag::Selected;
  ASSERT_TRUE(Draw(canvas, *polyline));
  EXPECT_EQ(canvas.CountNot(0), 0);
}

TEST(PolylineDraw, DegeneratePolylinesDrawWithoutHanging) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    std::initializer_list<V> vertices;
  } cases[] = {
      {"one vertex", {{{8, 8}, 2, 2}}},
      {"huge bulge", {{{2, 8}, 2, 2, 1e300}, {{13, 8}}}},
      {"tiny bulge", {{{2, 8}, 2, 2, 1e-300}, {{13, 8}}}},
      {"not-a-number bulge", {{{2, 8}, 2, 2, nan}, {{13, 8}}}},
      {"not-a-number position", {{{nan, 8}, 2, 2, 0.5}, {{13, 8}}}},
      {"huge coordinates", {{{-1e300, 8}, 1e290, 1e290, 0.5}, {{1e300, 8}}}},
      {"far along a long thin dashed band", {{{-1e300, 8}, 4, 4}, {{1e300, 8}}}},
      {"far beyond the origin", {{{1e300, 8}, 4, 4}, {{1e300 + 1e285, 8}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    LineType dashed(u"DASHED", u"", u"1, -1");
    auto polyline = Make(canvas, c.vertices, true);
    EXPECT_TRUE(Draw(canvas, *polyline));
    polyline->lineType = &dashed;
    EXPECT_TRUE(Draw(canvas, *polyline));
  }
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// A dash pattern scaled past the largest double walks as one endless dash: an arc band whose
// span is longer still must end its walk, thin or wide.
TEST(PolylineDraw, DashedArcBandWithUnboundedScaleEnds) {
  Canvas canvas(16);
  canvas.settings.linetypeScale = 1e300;
  LineType dashed(u"DASHED", u"", u"3, -2");
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  canvas.dc.SelectBrush(Brush::Solid(kRed));
  for (const double width : {0.0, 4.0}) {
    WideArcSegmentEntity band(Point(8, 8), Point(12, 8), Point(4, 8), width, width);
    band.radius = 1e-300;
    band.startAngle = 0;
    band.endAngle = 1e300;
    auto rc = canvas.Context();
    rc->lineType = &dashed;
    band.DrawShape(*rc);
  }
  // The band is no wider than 4 around its centre, pixel (8, 7): nothing further out shows.
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (std::abs(x - 8) > 3 || std::abs(y - 7) > 3) {
        EXPECT_EQ(canvas.bitmap.Pixel(x, y), 0u) << x << ", " << y;
      }
    }
  }
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// A negative pattern scale dashes a band as its size does, as it does a line, rather than
// walking backwards for ever.
TEST(PolylineDraw, NegativePatternScaleDashesBandsAsItsSize) {
  LineType dashed(u"DASHED", u"", u"3, -2");
  const auto draw = [&](double linetypeScale) {
    auto canvas = std::make_unique<Canvas>(16);
    canvas->settings.linetypeScale = linetypeScale;
    canvas->dc.SelectPen({PenStyle::Solid, kRed});
    canvas->dc.SelectBrush(Brush::Solid(kRed));
    auto rc = canvas->Context();
    rc->lineType = &dashed;
    WideLineSegmentEntity line(Point(0, 3), Point(15, 3), 3, 3);
    line.DrawShape(*rc);
    WideArcSegmentEntity arc(Point(8, 8), Point(14, 8), Point(2, 8), 3, 3);
    arc.DrawShape(*rc);
    return canvas;
  };
  const auto positive = draw(1);
  const auto negative = draw(-1);
  EXPECT_NE(positive->CountNot(0), 0);
  EXPECT_EQ(negative->bitmap, positive->bitmap);
}

// Bands with any mix of extreme ends, widths, angles and pattern scales end, and what they
// draw past an edge of the bitmap never wraps round into the picture.
TEST(PolylineDraw, BandsWithExtremeValuesNeitherHangNorEscape) {
  LineType dashed(u"DASHED", u"", u"1.5, -1, 0, -1");
  testing::ExpectNothingWrapsIn([&](Canvas& canvas) {
    auto any = testing::ExtremeDoubles(11);
    canvas.dc.SelectPen({PenStyle::Solid, kRed});
    canvas.dc.SelectBrush(Brush::Solid(kRed));
    for (int trial = 0; trial < 300; ++trial) {
      canvas.settings.linetypeScale = trial % 5 == 0 ? any() : 1;
      auto rc = canvas.Context(trial % 2 == 0 ? DrawMode::Normal : DrawMode::Xor);
      rc->lineType = trial % 3 == 0 ? nullptr : &dashed;
      WideLineSegmentEntity line(Point(any(), any()), Point(any(), any()), any(), any());
      line.DrawShape(*rc);
      WideArcSegmentEntity arc(Point(any(), any()), Point(any(), any()), Point(any(), any()), any(),
                               any());
      arc.DrawShape(*rc);
      arc.radius = any();
      arc.startAngle = any();
      arc.endAngle = any();
      arc.DrawShape(*rc);
    }
  });
}

}  // namespace
}  // namespace korvo
