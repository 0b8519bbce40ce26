#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include <gtest/gtest.h>

#include "core/archive.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/native_context.h"
#include "core/native_drawing.h"
#include "core/native_save_context.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "geometry/geometry.h"
#include "platform/message_box.h"
#include "tests/core/native_bytes.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::NativeBytes;

// Index 0 of both name lists: one layer and the continuous line type; everything else is
// unknown.
class OneLayerContext : public NativeLoadContext {
 public:
  TextStyle* FindTextStyle(uint32_t) const override { return nullptr; }
  Layer* FindLayer(uint32_t index) const override { return index == 0 ? &layer : nullptr; }
  LineType* FindLineType(uint32_t index) const override {
    return index == 0 ? &ContinuousLineType() : nullptr;
  }
  mutable Layer layer{u"0", 7, nullptr, -3.0};
};

constexpr uint8_t kVertex = 19;
constexpr uint8_t kWideLine = 10;
constexpr uint8_t kWideArc = 11;

NativeBytes& VertexRecord(NativeBytes& b, double x, double y, double w0, double w1, double bulge,
                          uint8_t flags, double tangent, uint32_t lineType = 0) {
  return b.Header(kVertex, 0, lineType, 256, -1.0)
      .Pt(x, y)
      .F64(w0)
      .F64(w1)
      .F64(bulge)
      .U8(flags)
      .F64(tangent);
}

struct V {
  Point at;
  double startWidth, endWidth, bulge;
};

void ExpectVertices(const PolylineEntity& polyline, const std::vector<V>& expected) {
  ASSERT_EQ(polyline.vertexList.size(), expected.size());
  std::size_t i = 0;
  for (const Entity* entity : polyline.vertexList) {
    SCOPED_TRACE(i);
    const VertexEntity& v = *entity->AsVertex();
    EXPECT_NEAR(v.position.x, expected[i].at.x, 1e-9);
    EXPECT_NEAR(v.position.y, expected[i].at.y, 1e-9);
    EXPECT_EQ(v.startWidth, expected[i].startWidth);
    EXPECT_EQ(v.endWidth, expected[i].endWidth);
    EXPECT_NEAR(v.bulge, expected[i].bulge, 1e-9);
    EXPECT_EQ(v.owner, &polyline);
    ++i;
  }
}

std::unique_ptr<PolylineEntity> Read(const std::vector<uint8_t>& bytes, int version,
                                     const NativeLoadContext& context) {
  ArchiveReader reader(bytes);
  reader.version = version;
  reader.loadContext = &context;
  auto polyline = std::make_unique<PolylineEntity>();
  polyline->ReadBody(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  return polyline;
}

TEST(PolylineBody, VersionFourHoldsTheVertices) {
  OneLayerContext context;
  NativeBytes b;
  b.Pt(7, 8).F64(1).F64(1).F64(0).U8(0x05).U8(6).Guard(2);
  VertexRecord(b, 0, 0, 1, 2, 0.5, 16, 0.25);
  VertexRecord(b, 4, 0, 0, 0, 0, 0, 0);
  auto polyline = Read(b.bytes, 4, context);
  EXPECT_EQ(polyline->polylineFlags, 0x05);
  EXPECT_EQ(polyline->curveType, 6);
  ExpectVertices(*polyline, {{{0, 0}, 1, 2, 0.5}, {{4, 0}, 0, 0, 0}});
  EXPECT_EQ(polyline->vertexList.Head()->AsVertex()->vertexFlags, 16);
  EXPECT_EQ(polyline->vertexList.Head()->AsVertex()->tangentDirection, 0.25);
  EXPECT_EQ(polyline->vertexList.Head()->layer, &context.layer);
  // Rebuilt from the vertices; the insertion point as read until then.
  EXPECT_EQ(polyline->segmentsValid, 1);
  // Written back byte for byte, numbered as for a drawing without tables of its own: the
  // layer, which it does not hold, as 0 and CONTINUOUS as the first line type.
  const Drawing tableless;
  const NativeSaveContext numbers(tableless);
  ArchiveWriter writer;
  writer.saveContext = &numbers;
  EXPECT_TRUE(polyline->WriteBody(writer));
  const uint32_t continuous = 0;
  NativeBytes expected;
  expected.Pt(polyline->insertionPoint.x, polyline->insertionPoint.y).F64(1).F64(1).F64(0);
  expected.U8(0x05).U8(6).Guard(2);
  VertexRecord(expected, 0, 0, 1, 2, 0.5, 16, 0.25, continuous);
  VertexRecord(expected, 4, 0, 0, 0, 0, 0, 0, continuous);
  EXPECT_EQ(writer.bytes(), expected.bytes);
}

TEST(PolylineBody, OldVersionsRebuildVerticesFromTheirSegments) {
  // An open path: a straight segment (0,0)→(4,0) widths 1→2, then a clockwise half circle
  // (4,0)→(8,0) about (6,0) over the top, stored counter-clockwise from (8,0) to (4,0) with
  // its widths (3 at (4,0), 5 at (8,0)) exchanged.
  const auto segments = [](NativeBytes& b) {
    b.Guard(2);
    b.Header(kWideLine, 0, 0, 0, -2.0).Pt(0, 0).Pt(4, 0).F64(1).F64(2);
    b.Pt(0, 0.5).Pt(0, -0.5).Pt(4, -1).Pt(4, 1);
    b.Header(kWideArc, 0, 0, 0, -2.0).Pt(99, 99).Pt(6, 0).F64(2).F64(0).F64(kPi).F64(0).F64(1);
    b.F64(5).F64(3);
  };
  struct Case {
    const char* name;
    int version;
    bool named;
  } cases[] = {{"version 0 with its name", 0, true},
               {"version 1 with its name", 1, true},
               {"version 2", 2, false},
               {"version 3", 3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OneLayerContext context;
    NativeBytes b;
    if (c.named) b.Name(u"PL");
    b.Pt(0, 0).F64(1).F64(1).F64(0);
    segments(b);
    b.U8(0);  // open
    auto polyline = Read(b.bytes, c.version, context);
    EXPECT_EQ(polyline->polylineFlags, 0);
    ExpectVertices(*polyline, {{{0, 0}, 1, 2, 0}, {{4, 0}, 3, 5, -1}, {{8, 0}, 5, 5, 0}});
    ASSERT_EQ(polyline->segmentList.size(), 2u);
    const WideArcSegmentEntity* arc = polyline->segmentList.Tail()->AsWideArcSegment();
    ASSERT_NE(arc, nullptr);
    EXPECT_NEAR(arc->center.x, 6, 1e-9);
    EXPECT_EQ(arc->startWidth, 5);
  }
}

TEST(PolylineBody, OldClosedPolylineGetsNoExtraVertex) {
  OneLayerContext context;
  NativeBytes b;
  b.Pt(0, 0).F64(1).F64(1).F64(0).Guard(3);
  const Point p[] = {{0, 0}, {4, 0}, {4, 3}};
  for (int i = 0; i < 3; ++i) {
    const Point& a = p[i];
    const Point& e = p[(i + 1) % 3];
    b.Header(kWideLine, 0, 0, 0, -2.0).Pt(a.x, a.y).Pt(e.x, e.y).F64(1).F64(1);
    for (int k = 0; k < 4; ++k) b.Pt(0, 0);
  }
  b.U8(1);
  auto polyline = Read(b.bytes, 3, context);
  EXPECT_EQ(polyline->polylineFlags, PolylineFlag::Closed);
  ExpectVertices(*polyline, {{{0, 0}, 1, 1, 0}, {{4, 0}, 1, 1, 0}, {{4, 3}, 1, 1, 0}});
  EXPECT_EQ(polyline->segmentList.size(), 3u);
}

TEST(PolylineBody, DamagedBodiesAreRefused) {
  OneLayerContext context;
  struct Case {
    const char* name;
    int version;
    NativeBytes bytes;
    ArchiveErrorKind kind;
  };
  std::vector<Case> cases;
  {
    NativeBytes b;
    b.U32(2).U32(2).Str(u"PL").Pt(0, 0).F64(1).F64(1).F64(0).Guard(0).U8(0);
    cases.push_back({"name guard broken", 1, b, ArchiveErrorKind::BadClass});
  }
  {
    NativeBytes b;
    b.Guard(3).Str(u"PL").Pt(0, 0).F64(1).F64(1).F64(0).Guard(0).U8(0);
    cases.push_back({"name shorter than its count", 1, b, ArchiveErrorKind::BadClass});
  }
  {
    NativeBytes b;
    b.Pt(0, 0).F64(1).F64(1).F64(0).U8(0).U8(0).Guard(1);
    b.Header(1, 0, 0, 256, -1).Pt(0, 0).Pt(1, 1);
    cases.push_back({"a line among the vertices", 4, b, ArchiveErrorKind::BadClass});
  }
  {
    NativeBytes b;
    b.Pt(0, 0).F64(1).F64(1).F64(0).Guard(1);
    b.Header(16, 0, 0, 256, -1).Pt(0, 0);
    b.U8(0);
    cases.push_back({"a point among the segments", 3, b, ArchiveErrorKind::BadClass});
  }
  {
    NativeBytes b;
    b.Pt(0, 0).F64(1).F64(1).F64(0).U8(0).U8(0).Guard(1000000);
    cases.push_back({"more vertices than bytes", 4, b, ArchiveErrorKind::EndOfFile});
  }
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    ArchiveReader reader(c.bytes.bytes);
    reader.version = c.version;
    reader.loadContext = &context;
    PolylineEntity polyline;
    try {
      polyline.ReadBody(reader);
      ADD_FAILURE() << "accepted";
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), c.kind);
    }
  }
}

TEST(PolylineBody, TruncatedVersionFourBodiesEndTheFile) {
  OneLayerContext context;
  NativeBytes b;
  b.Pt(0, 0).F64(1).F64(1).F64(0).U8(0).U8(0).Guard(2);
  VertexRecord(b, 0, 0, 1, 2, 0.5, 0, 0);
  VertexRecord(b, 4, 0, 0, 0, 0, 0, 0);
  for (std::size_t length = 0; length < b.bytes.size(); ++length) {
    SCOPED_TRACE(length);
    ArchiveReader reader(std::span<const uint8_t>(b.bytes.data(), length));
    reader.loadContext = &context;
    PolylineEntity polyline;
    try {
      polyline.ReadBody(reader);
      ADD_FAILURE() << "accepted";
    } catch (const ArchiveError& error) {
      EXPECT_EQ(error.kind(), ArchiveErrorKind::EndOfFile);
    }
  }
}

std::vector<uint8_t> Written(const Drawing& drawing) {
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  return writer.bytes();
}

TEST(PolylineBody, WholeDrawingRoundTrip) {
  Drawing drawing;
  drawing.New();
  drawing.settings.currentColorIndex = 5;
  auto* wide = new PolylineEntity(drawing.settings);
  wide->AppendVertex(Point(0, 0), 1, 2, 0.5, 0, 0.125);
  wide->AppendVertex(Point(10, 0), 2, 2, -1, VertexFlag::CurveFitTangent, 0);
  wide->AppendVertex(Point(10, 10), 0, 3, 0, 0, 0);
  wide->SetClosed(true);
  wide->curveType = PolylineCurve::Cubic;
  wide->RebuildSegments();
  drawing.entities.AddTail(wide);
  auto* lonely = new PolylineEntity(drawing.settings);  // one vertex: not written
  lonely->AppendVertex(Point(1, 1), 0, 0, 0, 0, 0);
  drawing.entities.AddTail(lonely);
  auto* fitted = new PolylineEntity(drawing.settings);
  for (const Point& p : {Point(0, 0), Point(4, 8), Point(8, 0), Point(12, 8)}) {
    fitted->AppendVertex(p, 0.5, 0.5, 0, 0, 0);
  }
  ASSERT_TRUE(fitted->FitSpline(PolylineCurve::Quadratic, 4));
  drawing.entities.AddTail(fitted);

  const std::vector<uint8_t> first = Written(drawing);
  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(first, reopened, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Written(reopened), first);
  ASSERT_EQ(reopened.entities.size(), 2u);
  const PolylineEntity& read = *reopened.entities.Head()->AsPolyline();
  EXPECT_EQ(read.polylineFlags, PolylineFlag::Closed);
  EXPECT_EQ(read.curveType, PolylineCurve::Cubic);
  EXPECT_EQ(read.colorIndex, 5);
  ExpectVertices(read, {{{0, 0}, 1, 2, 0.5}, {{10, 0}, 2, 2, -1}, {{10, 10}, 0, 3, 0}});
  EXPECT_EQ(read.vertexList.Head()->AsVertex()->tangentDirection, 0.125);
  EXPECT_EQ(read.vertexList.Head()->colorIndex, 5);
  // The segments are those the vertices give.
  ASSERT_EQ(read.segmentList.size(), wide->segmentList.size());
  auto original = wide->segmentList.begin();
  for (const Entity* segment : read.segmentList) {
    EXPECT_EQ(segment->GetElementCode(), (*original)->GetElementCode());
    Point min, max, expectedMin, expectedMax;
    segment->GetExtents(min, max);
    (*original)->GetExtents(expectedMin, expectedMax);
    EXPECT_EQ(min, expectedMin);
    EXPECT_EQ(max, expectedMax);
    ++original;
  }
  const PolylineEntity& fit = *reopened.entities.Tail()->AsPolyline();
  EXPECT_EQ(fit.vertexList.size(), fitted->vertexList.size());
  EXPECT_EQ(fit.polylineFlags, PolylineFlag::SplineFit);
}

}  // namespace
}  // namespace korvo
