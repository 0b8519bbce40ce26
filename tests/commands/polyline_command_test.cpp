#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "geometry/geometry.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;

struct ExpectedVertex {
  Point at;
  double bulge;
};

std::vector<PolylineEntity*> LivePolylines(Drawing& drawing) {
  std::vector<PolylineEntity*> found;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsPolyline() != nullptr)
      found.push_back(entity->AsPolyline());
  return found;
}

void ExpectVertices(const PolylineEntity& polyline, const std::vector<ExpectedVertex>& expected) {
  ASSERT_EQ(polyline.vertexList.size(), expected.size());
  std::size_t i = 0;
  for (const Entity* entity : polyline.vertexList) {
    SCOPED_TRACE(i);
    const VertexEntity* vertex = entity->AsVertex();
    ASSERT_NE(vertex, nullptr);
    ExpectPointNear(vertex->position, expected[i].at, 1e-9);
    EXPECT_NEAR(vertex->bulge, expected[i].bulge, 1e-9);
    ++i;
  }
}

// Command 32913 lines, 32914 arcs by centre, 32915 tangential arcs, 32916 close; 32819 stops.
TEST(PolylineCommand, JournalsBuildTheSegments) {
  const double threeQuarterBulge = std::tan(3 * kPi / 8);
  struct Case {
    const char* name;
    const char* journal;
    std::vector<ExpectedVertex> vertices;
    bool closed;
    const char* transcriptMessages;  // the message boxes shown, in order
    std::size_t polylines = 1;       // drawn in all; the row's is the last
  } cases[] = {
      {"line segments until done",
       "expect-prompt \"Start?\"\ntap 10 10\nexpect-prompt \"End? <done>\"\ntap 50 10\n"
       "tap 50 40\ndefault\nexpect-prompt \"Start?\"\n",
       {{{10, 10}, 0}, {{50, 10}, 0}, {{50, 40}, 0}},
       false,
       ""},
      {"close from the menu",
       "tap 10 10\ntap 50 10\ntap 50 40\ncommand 32916\nexpect-prompt \"Start?\"\n",
       {{{10, 10}, 0}, {{50, 10}, 0}, {{50, 40}, 0}},
       true,
       ""},
      {"close refused with a single segment",
       "tap 10 10\ntap 50 10\ncommand 32916\nexpect-prompt \"End? <done>\"\ndefault\n",
       {{{10, 10}, 0}, {{50, 10}, 0}},
       false,
       ""},
      {"zero distance refused, the prompt repeated",
       "tap 10 10\ntap 10 10\nanswer ok\n"
       "expect-message \"Distance between points must be greater than zero.\"\n"
       "expect-prompt \"End? <done>\"\ntap 50 10\ndefault\n",
       {{{10, 10}, 0}, {{50, 10}, 0}},
       false,
       "Distance between points must be greater than zero.\n"},
      {"tangential arc continues the line: a half circle to the left",
       "tap 10 10\ntap 50 10\ncommand 32915\nexpect-prompt \"End? <done>\"\ntap 50 50\ndefault\n",
       {{{10, 10}, 0}, {{50, 10}, 1}, {{50, 50}, 0}},
       false,
       ""},
      {"tangential arc then a line leaves along the arc's end",
       "tap 10 10\ntap 50 10\ncommand 32915\ntap 50 50\ncommand 32913\ntap 30 50\ndefault\n",
       {{{10, 10}, 0}, {{50, 10}, 1}, {{50, 50}, 0}, {{30, 50}, 0}},
       false,
       ""},
      {"the next polyline starts with line segments again",
       "tap 10 10\ntap 50 10\ncommand 32915\ntap 50 50\ndefault\n"
       "tap 100 100\ntap 150 100\ntap 150 150\ndefault\n",
       {{{100, 100}, 0}, {{150, 100}, 0}, {{150, 150}, 0}},
       false,
       "",
       2},
      {"tangential arc straight back refused",
       "tap 10 10\ntap 50 10\ncommand 32915\ntap 20 10\nanswer ok\n"
       "expect-message \"Invalid end point of arc.\"\ntap 50 50\ndefault\n",
       {{{10, 10}, 0}, {{50, 10}, 1}, {{50, 50}, 0}},
       false,
       "Invalid end point of arc.\n"},
      {"arc by centre: the end lands on the circle, counter-clockwise",
       "tap 10 10\ncommand 32914\nexpect-prompt \"Center? <done>\"\ntap 30 10\n"
       "expect-prompt \"End?\"\ntap 30 90\nexpect-prompt \"Center? <done>\"\ndefault\n",
       {{{10, 10}, threeQuarterBulge}, {{30, 30}, 0}},
       false,
       ""},
      {"arc by centre on the start refused",
       "tap 10 10\ncommand 32914\ntap 10 10\nanswer ok\nexpect-message \"Invalid end point of "
       "arc.\"\nexpect-prompt \"Center? <done>\"\ntap 30 10\ntap 30 90\ndefault\n",
       {{{10, 10}, threeQuarterBulge}, {{30, 30}, 0}},
       false,
       "Invalid end point of arc.\n"},
      {"arc end on the centre refused",
       "tap 10 10\ncommand 32914\ntap 30 10\ntap 30 10\nanswer ok\n"
       "expect-message \"Invalid end point of arc.\"\nexpect-prompt \"End?\"\ntap 30 90\ndefault\n",
       {{{10, 10}, threeQuarterBulge}, {{30, 30}, 0}},
       false,
       "Invalid end point of arc.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_POLYLINE\n") + c.journal);
    s.Play();
    const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
    ASSERT_EQ(polylines.size(), c.polylines);
    ExpectVertices(*polylines.back(), c.vertices);
    EXPECT_EQ(polylines.back()->IsClosed(), c.closed);
    EXPECT_EQ(polylines.back()->layer, s.drawing().settings.currentLayer);
    std::string messages;
    for (const auto& m : s.player().messageBox().Messages())
      messages += std::string(m.text.begin(), m.text.end()) + "\n";
    EXPECT_EQ(messages, c.transcriptMessages);
  }
}

// "Dialog..." (DialogInput) at a next-point question shows the polyline options: the widths
// of the segment that starts at the last vertex and of those after it, and the mode.
TEST(PolylineCommand, TheInputDialogSetsWidthsAndMode) {
  struct Vertex {
    Point at;
    double startWidth;
    double endWidth;
    double bulge;
  };
  const double threeQuarterBulge = std::tan(3 * kPi / 8);
  struct Case {
    const char* name;
    const char* journal;
    std::vector<Vertex> vertices;
    std::size_t polylines = 1;  // drawn in all; the row's is the last
  } cases[] = {
      {"widths from the first segment on",
       "tap 10 10\ncommand DialogInput\ndialog ok \"Start width\"=2 \"End width\"=4\n"
       "expect-prompt \"End? <done>\"\ntap 50 10\ntap 50 40\ndefault\n",
       {{{10, 10}, 2, 4, 0}, {{50, 10}, 2, 4, 0}, {{50, 40}, 2, 4, 0}}},
      {"widths from the second segment on",
       "tap 10 10\ntap 50 10\ncommand DialogInput\ndialog ok \"Start width\"=1 \"End width\"=3\n"
       "tap 50 40\ndefault\n",
       {{{10, 10}, 0, 0, 0}, {{50, 10}, 1, 3, 0}, {{50, 40}, 1, 3, 0}}},
      {"cancel changes nothing and the question goes on",
       "tap 10 10\ntap 50 10\ncommand DialogInput\n"
       "dialog cancel \"Start width\"=1 \"End width\"=3 Segments=\"Tangential Arc\"\n"
       "expect-prompt \"End? <done>\"\ntap 50 40\ndefault\n",
       {{{10, 10}, 0, 0, 0}, {{50, 10}, 0, 0, 0}, {{50, 40}, 0, 0, 0}}},
      {"tangential arcs chosen",
       "tap 10 10\ntap 50 10\ncommand DialogInput\ndialog ok Segments=\"Tangential Arc\"\n"
       "expect-prompt \"End? <done>\"\ntap 50 50\ndefault\n",
       {{{10, 10}, 0, 0, 0}, {{50, 10}, 0, 0, 1}, {{50, 50}, 0, 0, 0}}},
      {"arcs by centre chosen",
       "tap 10 10\ncommand DialogInput\ndialog ok Segments=\"Arc by Center\"\n"
       "expect-prompt \"Center? <done>\"\ntap 30 10\ntap 30 90\ndefault\n",
       {{{10, 10}, 0, 0, threeQuarterBulge}, {{30, 30}, 0, 0, 0}}},
      {"lines chosen at the end of an arc by centre",
       "tap 10 10\ncommand 32914\ntap 30 10\nexpect-prompt \"End?\"\ncommand DialogInput\n"
       "dialog ok Segments=Line \"Start width\"=5\nexpect-prompt \"End? <done>\"\ntap 50 10\n"
       "default\n",
       {{{10, 10}, 5, 0, 0}, {{50, 10}, 5, 0, 0}}},
      {"widths hold for the next polyline",
       "tap 10 10\ncommand DialogInput\ndialog ok \"Start width\"=2 \"End width\"=2\ntap 50 10\n"
       "default\ntap 100 100\ntap 150 100\ndefault\n",
       {{{100, 100}, 2, 2, 0}, {{150, 100}, 2, 2, 0}},
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_POLYLINE\n") + c.journal + "command 1001\n");
    int runningAtEnd = 0;
    s.AddProbe(1001, [&](CommandEngine& e) { runningAtEnd = e.CurrentCommandId(); });
    s.Play();
    // The dialog ended no command: the polyline command still asks for the next one.
    EXPECT_EQ(runningAtEnd, 32838);
    const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
    ASSERT_EQ(polylines.size(), c.polylines);
    ASSERT_EQ(polylines.back()->vertexList.size(), c.vertices.size());
    std::size_t i = 0;
    for (const Entity* entity : polylines.back()->vertexList) {
      SCOPED_TRACE(i);
      const VertexEntity* vertex = entity->AsVertex();
      ASSERT_NE(vertex, nullptr);
      ExpectPointNear(vertex->position, c.vertices[i].at, 1e-9);
      EXPECT_EQ(vertex->startWidth, c.vertices[i].startWidth);
      EXPECT_EQ(vertex->endWidth, c.vertices[i].endWidth);
      EXPECT_NEAR(vertex->bulge, c.vertices[i].bulge, 1e-9);
      ++i;
    }
  }
}

TEST(PolylineCommand, WidthsFromTheDialogSurviveUndoAndRedo) {
  JournalSession s(
      "command draw_POLYLINE\ntap 10 10\ncommand DialogInput\n"
      "dialog ok \"Start width\"=2 \"End width\"=4\ntap 50 10\ndefault\ncommand 32819\n"
      "command 1001\ncommand UNDO\ncommand 1002\ncommand REDO\n");
  std::string afterCommand;
  std::string afterUndo;
  s.AddProbe(1001, [&](CommandEngine& e) { afterCommand = LiveEntities(e.drawing()); });
  s.AddProbe(1002, [&](CommandEngine& e) { afterUndo = LiveEntities(e.drawing()); });
  const std::string before = LiveEntities(s.drawing());
  s.Play();
  EXPECT_EQ(afterUndo, before);
  EXPECT_EQ(LiveEntities(s.drawing()), afterCommand);
  const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
  ASSERT_EQ(polylines.size(), 1u);
  for (const Entity* entity : polylines[0]->vertexList) {
    EXPECT_EQ(entity->AsVertex()->startWidth, 2);
    EXPECT_EQ(entity->AsVertex()->endWidth, 4);
  }
}

// "Start?" keeps the coordinates dialog: a typed point starts the polyline.
TEST(PolylineCommand, TheStartQuestionTakesTypedPoints) {
  JournalSession s("command draw_POLYLINE\npoint 10 10\ntap 50 10\ndefault\n");
  s.Play();
  const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
  ASSERT_EQ(polylines.size(), 1u);
  ExpectVertices(*polylines[0], {{{10, 10}, 0}, {{50, 10}, 0}});
}

// A question nested in a polyline question (as a transparent command asks it) keeps the
// coordinates dialog.
TEST(PolylineCommand, ANestedQuestionTakesTypedPoints) {
  JournalSession s("command draw_POLYLINE\ntap 10 10\ncommand 1001\npoint 20 20\n");
  InputResult result = InputResult::Cancel;
  Point answer;
  s.AddProbe(1001, [&](CommandEngine& e) {
    result = GetPoint(e, answer, StringId::PolylineStartPrompt, StringId::PolylineStartDescription,
                      kPointKeepWaiting);
  });
  s.Play();
  EXPECT_EQ(result, InputResult::Picked);
  ExpectPointNear(answer, {20, 20}, 1e-9);
}

TEST(PolylineCommand, CloseIsEnabledOnceThereAreTwoSegments) {
  JournalSession s(
      "command 1001\ncommand draw_POLYLINE\ncommand 1001\ntap 10 10\ncommand 1001\ntap 50 10\n"
      "command 1001\ntap 50 40\ncommand 1001\ndefault\ncommand 1001\ncommand 32819\n"
      "command 1001\n");
  std::vector<bool> enabled;
  s.AddProbe(1001, [&](CommandEngine& e) { enabled.push_back(e.IsCommandEnabled(32916)); });
  s.Play();
  // Before the command, at "Start?", after one and two vertices, after three, at the next
  // "Start?", after the command.
  EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false, true, false, false}));
}

TEST(PolylineCommand, CancelDiscardsThePolylineUnderConstruction) {
  JournalSession s("command draw_POLYLINE\ntap 10 10\ntap 50 10\ntap 50 40\ncommand 32819\n");
  s.Play();
  EXPECT_TRUE(LivePolylines(s.drawing()).empty());
  EXPECT_FALSE(s.drawing().undo.CanUndo());
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

TEST(PolylineCommand, UndoTakesTheCommandsPolylinesAndRedoBringsThemBack) {
  JournalSession s(
      "command draw_POLYLINE\ntap 10 10\ntap 50 10\ndefault\ntap 10 60\ntap 50 60\ndefault\n"
      "command 32819\ncommand 1001\ncommand UNDO\ncommand 1002\ncommand REDO\n");
  std::string afterCommand;
  std::string afterUndo;
  s.AddProbe(1001, [&](CommandEngine& e) { afterCommand = LiveEntities(e.drawing()); });
  s.AddProbe(1002, [&](CommandEngine& e) { afterUndo = LiveEntities(e.drawing()); });
  const std::string before = LiveEntities(s.drawing());
  s.Play();
  EXPECT_EQ(LivePolylines(s.drawing()).size(), 2u);
  EXPECT_EQ(afterUndo, before);
  EXPECT_EQ(LiveEntities(s.drawing()), afterCommand);
}

TEST(PolylineCommand, ThePreviewLeavesNoTraceInTheWindow) {
  JournalSession s(
      "command draw_POLYLINE\ntap 10 10\npress 60 60\nmove 80 30\nmove 120 90\ncommand 1001\n"
      "release 120 90\ncommand 32915\npress 150 150\nmove 160 120\nrelease 160 120\n"
      "command 32819\n");
  bool previewShown = false;
  s.AddProbe(1001,
             [&](CommandEngine& e) { previewShown = !(e.view().window() == s.windowBefore()); });
  s.Play();
  EXPECT_TRUE(previewShown);
  EXPECT_TRUE(LivePolylines(s.drawing()).empty());
  EXPECT_TRUE(s.session().view().window() == s.windowBefore());
}

}  // namespace
}  // namespace korvo
