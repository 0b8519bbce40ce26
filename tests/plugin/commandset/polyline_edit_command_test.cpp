#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "tests/plugin/commandset/edit_journal.h"

namespace korvo::testing {
namespace {

// A zigzag of four vertices from (20, 20) to (140, 100), widths 0 to 4; picked at (40, 60) on
// its first leg, or at (20, 20) on its first vertex, where every open fit also passes.
const std::vector<Point> kZigzag = {{20, 20}, {60, 100}, {100, 20}, {140, 100}};

PolylineEntity* AddZigzag(PluginSession& s) {
  auto* polyline = new PolylineEntity(s.drawing().settings);
  for (std::size_t i = 0; i < kZigzag.size(); ++i) {
    polyline->AppendVertex(kZigzag[i], i == 0 ? 0.0 : 1.0, i + 1 == kZigzag.size() ? 4.0 : 1.0, 0,
                           0, 0);
  }
  s.drawing().entities.AddTail(polyline);
  return polyline;
}

struct VertexCounts {
  std::size_t control = 0;  // flag 16
  std::size_t fitted = 0;   // flag 8
  std::size_t plain = 0;    // flag 0
};

VertexCounts Count(const PolylineEntity& polyline) {
  VertexCounts counts;
  for (const Entity* entity : polyline.vertexList) {
    const VertexEntity* v = entity->AsVertex();
    if (v == nullptr) continue;
    if (v->vertexFlags == 16) ++counts.control;
    if (v->vertexFlags == 8) ++counts.fitted;
    if (v->vertexFlags == 0) ++counts.plain;
  }
  return counts;
}

std::vector<const VertexEntity*> Fitted(const PolylineEntity& polyline) {
  std::vector<const VertexEntity*> fitted;
  for (const Entity* entity : polyline.vertexList) {
    const VertexEntity* v = entity->AsVertex();
    if (v != nullptr && v->vertexFlags == 8) fitted.push_back(v);
  }
  return fitted;
}

constexpr char kStart[] =
    "command tool_PEDIT\n"
    "expect-prompt \"Select polyline? <done>\"\n"
    "tap 40 60\n";

TEST(PolylineEditCommand, SheetChoicesShapeThePolyline) {
  struct Case {
    const char* name;
    const char* journal;
    uint8_t flags;
    uint8_t curve;
    VertexCounts vertices;
    uint32_t segments;  // the drawing's, 8 before
    std::vector<std::u16string> messages;
  } cases[] = {
      {"cubic: three legs of eight steps",
       "dialog ok Smoothing=Cubic\n"
       "expect-prompt \"Select polyline? <done>\"\n"
       "key Escape\n",
       0x04,
       6,
       {4, 3 * 8 + 1, 0},
       8,
       {}},
      {"quadratic and closed: four patches, the repeated point dropped",
       "dialog ok Smoothing=Quadratic Closed=Yes\n"
       "key Escape\n",
       0x05,
       5,
       {4, 4 * 8, 0},
       8,
       {}},
      {"closing alone fits nothing",
       "dialog ok Closed=Yes\nkey Escape\n",
       0x01,
       0,
       {0, 0, 4},
       8,
       {}},
      {"only the segment count changed: the drawing's count and a new fit",
       "dialog ok Smoothing=Cubic\n"
       "tap 20 20\n"
       "dialog ok \"Segments per spline patch\"=3\n"
       "key Escape\n",
       0x04,
       6,
       {4, 3 * 3 + 1, 0},
       3,
       {}},
      {"only the segment count on an unsmoothed polyline: the drawing's count alone",
       "dialog ok \"Segments per spline patch\"=3\n"
       "key Escape\n",
       0x00,
       0,
       {0, 0, 4},
       3,
       {}},
      {"smoothing None clears the spline bit and the curve type",
       "dialog ok Smoothing=Cubic\n"
       "tap 20 20\n"
       "dialog ok Smoothing=None\n"
       "key Escape\n",
       0x00,
       0,
       {0, 0, 4},
       8,
       {}},
      {"zero segments are refused and the sheet comes back",
       "dialog ok Smoothing=Cubic \"Segments per spline patch\"=0\n"
       "answer ok\n"
       "dialog ok \"Segments per spline patch\"=2\n"
       "key Escape\n",
       0x04,
       6,
       {4, 3 * 2 + 1, 0},
       2,
       {u"Number of segments per spline patch cannot be zero!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string(kStart) + c.journal);
    s.drawing().settings.splineSegments = 8;
    PolylineEntity* polyline = AddZigzag(s);
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    EXPECT_EQ(polyline->polylineFlags, c.flags);
    EXPECT_EQ(polyline->curveType, c.curve);
    const VertexCounts counts = Count(*polyline);
    EXPECT_EQ(counts.control, c.vertices.control);
    EXPECT_EQ(counts.fitted, c.vertices.fitted);
    EXPECT_EQ(counts.plain, c.vertices.plain);
    EXPECT_EQ(s.drawing().settings.splineSegments, c.segments);
    EXPECT_EQ(s.Messages(), c.messages);
    ExpectNoPreviewLeft(s);
    ExpectOneUndoStep(s, before);
  }
}

// An open fit runs from the first control point to the last, its widths from the first
// vertex's start width (0) to the last one's end width (4), each vertex starting where the
// one before it ended.
TEST(PolylineEditCommand, FitRunsEndToEndWithWidthsAlongIt) {
  PluginSession s(std::string(kStart) + "dialog ok Smoothing=Quadratic\nkey Escape\n");
  s.drawing().settings.splineSegments = 4;
  PolylineEntity* polyline = AddZigzag(s);
  s.Play();
  const std::vector<const VertexEntity*> fitted = Fitted(*polyline);
  ASSERT_EQ(fitted.size(), 2u * 4 + 1);
  EXPECT_EQ(fitted.front()->position, kZigzag.front());
  EXPECT_EQ(fitted.back()->position, kZigzag.back());
  EXPECT_EQ(fitted.front()->startWidth, 0);
  EXPECT_EQ(fitted.back()->endWidth, 4);
  for (std::size_t i = 1; i < fitted.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(fitted[i]->startWidth, fitted[i - 1]->endWidth);
    EXPECT_GE(fitted[i]->startWidth, fitted[i - 1]->startWidth);
  }
  // The zigzag is symmetric about x = 80, so halfway along the curve is halfway in width.
  EXPECT_NEAR(fitted[3]->endWidth, 2, 1e-9);
}

TEST(PolylineEditCommand, NothingChangedLeavesEverythingUntouched) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"confirmed as it was", "dialog ok\n"},
      {"the same values typed again",
       "dialog ok Smoothing=None Closed=No \"Segments per spline patch\"=8\n"},
      {"cancelled", "dialog cancel\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string(kStart) + c.journal +
                    "expect-prompt \"Select polyline? <done>\"\nkey Escape\n");
    s.drawing().settings.splineSegments = 8;
    AddZigzag(s);
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    EXPECT_EQ(LiveEntities(s.drawing()), before);
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_FALSE(s.drawing().IsModified());
    EXPECT_EQ(s.session().view().window(), s.windowBefore());
  }
}

TEST(PolylineEditCommand, AnotherObjectIsRefused) {
  PluginSession s("command tool_PEDIT\ntap 40 150\nanswer ok\n");
  s.AddLine({20, 150}, {60, 150});
  s.Play();
  EXPECT_EQ(s.Messages(), std::vector<std::u16string>{u"Selected object is not Polyline!"});
  EXPECT_FALSE(s.drawing().undo.CanUndo());
}

}  // namespace
}  // namespace korvo::testing
