#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/trace_entity.h"
#include "tests/plugin/commandset/edit_journal.h"

namespace korvo::testing {
namespace {

std::vector<TraceEntity*> Traces(PluginSession& s) {
  return LiveOf<TraceEntity>(s.drawing(), &Entity::AsTrace);
}

// Corners as the command hands them over: start-left, start-right, end-left, end-right. The
// trace keeps them round its outline, the end's two swapped.
using Corners = std::vector<Point>;

void ExpectCorners(const TraceEntity& trace, const Corners& expected) {
  constexpr std::size_t kOutlineIndex[] = {0, 1, 3, 2};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(trace.corners[kOutlineIndex[i]].x, expected[i].x, 1e-9);
    EXPECT_NEAR(trace.corners[kOutlineIndex[i]].y, expected[i].y, 1e-9);
  }
}

// A trace starts at its start point; the width answer only measures the width.
TEST(TraceCommand, SegmentsJoinAndTheLastEndsSquare) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<Corners> expected;
  } cases[] = {
      {"a right angle, Enter ends it",
       "tap 20 100\n"
       "tap 20 102\n"  // width 2
       "expect-prompt \"Next point? <done>\"\n"
       "tap 80 100\n"
       "tap 80 160\n"
       "default\n",
       {{{20, 101}, {20, 99}, {79, 101}, {81, 99}}, {{79, 101}, {81, 99}, {79, 160}, {81, 160}}}},
      {"three segments, a sharp turn between the last two",
       "tap 20 100\n"
       "tap 20 102\n"
       "tap 80 100\n"
       "tap 80 160\n"
       "tap 90 100\n"  // back down past the right angle
       "default\n",
       {{{20, 101}, {20, 99}, {79, 101}, {81, 99}}, {}, {}}},
      {"cancelled before the second point leaves nothing",
       "tap 20 100\n"
       "tap 20 102\n"
       "tap 80 100\n"
       "key Escape\n",
       {}},
      {"Enter before any point leaves nothing",
       "tap 20 100\n"
       "tap 20 102\n"
       "default\n",
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string("command draw_TRACE\nexpect-prompt \"Start? <done>\"\n") +
                    c.journal);
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    const std::vector<TraceEntity*> traces = Traces(s);
    ASSERT_EQ(traces.size(), c.expected.size());
    for (std::size_t i = 0; i < traces.size(); ++i) {
      SCOPED_TRACE(i);
      if (!c.expected[i].empty()) ExpectCorners(*traces[i], c.expected[i]);
    }
    ExpectNoPreviewLeft(s);
    if (!traces.empty()) ExpectOneUndoStep(s, before);
  }
}

// Neighbouring segments share their joint corners, whatever the turn.
TEST(TraceCommand, NeighboursShareTheirJointCorners) {
  PluginSession s(
      "command draw_TRACE\ntap 20 100\ntap 20 104\ntap 80 104\ntap 80 160\ntap 90 100\n"
      "tap 150 120\ndefault\n");
  s.Play();
  const std::vector<TraceEntity*> traces = Traces(s);
  ASSERT_EQ(traces.size(), 4u);
  for (std::size_t i = 0; i + 1 < traces.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& end = traces[i]->corners;
    const auto& start = traces[i + 1]->corners;
    // Joint corners as a pair, in either order: a sharp turn swaps sides.
    // The end's corners are the outline's last two, right then left.
    const bool same = end[3] == start[0] && end[2] == start[1];
    const bool swapped = end[3] == start[1] && end[2] == start[0];
    EXPECT_TRUE(same || swapped);
  }
}

// The width question's default is the width last used: 4 for the second trace, 1 again for
// the first trace of the next command.
TEST(TraceCommand, WidthIsKeptWithinTheCommandAndStartsAtOneInTheNext) {
  PluginSession s(
      "command draw_TRACE\n"
      "tap 20 100\n"
      "tap 24 100\n"  // width 4
      "default\n"     // the trace ends before a segment
      "tap 20 50\n"
      "default\n"  // keeps 4
      "tap 20 90\n"
      "default\n"
      "key Escape\n"
      "command draw_TRACE\n"
      "tap 60 100\n"
      "default\n"  // 1 again
      "tap 60 140\n"
      "default\n"
      "key Escape\n");
  s.Play();
  const std::vector<TraceEntity*> traces = Traces(s);
  ASSERT_EQ(traces.size(), 2u);
  ExpectCorners(*traces[0], {{18, 50}, {22, 50}, {18, 90}, {22, 90}});
  ExpectCorners(*traces[1], {{59.5, 100}, {60.5, 100}, {59.5, 140}, {60.5, 140}});
}

}  // namespace
}  // namespace korvo::testing
