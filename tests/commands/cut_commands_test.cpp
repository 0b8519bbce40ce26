#include "commands/cut_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "core/block_definition.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "tests/commands/cut_shapes.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;
using testing::cut::LiveShapes;
using Shapes = std::vector<std::string>;

// What a cutting command left: the drawing after it, after UNDO and after REDO, and whether
// the window it left matched a full repaint of that drawing (no highlight, no XOR leftover).
struct Outcome {
  Shapes after;
  Shapes undone;
  Shapes redone;
  bool windowClean = false;
  std::size_t records = 0;
};

constexpr int kAfter = JournalSession::kProbe + 1;
constexpr int kUndone = JournalSession::kProbe + 2;
constexpr int kRedone = JournalSession::kProbe + 3;

// Appended to a command's journal: look, undo, look, redo, look.
const std::string kUndoRedo =
    "command 1001\ncommand UNDO\ncommand 1002\ncommand REDO\n"
    "command 1003\n";

void AddOutcomeProbes(JournalSession& s, Outcome& outcome) {
  s.AddProbe(kAfter, [&outcome](CommandEngine& engine) {
    outcome.after = LiveShapes(engine.drawing());
    outcome.records = engine.drawing().undo.GroupSize(0);
    View& view = engine.view();
    const Bitmap shown = view.window();
    view.InvalidatePicture(PictureBitmap::Delete);
    view.RepaintNow();
    outcome.windowClean = shown == view.window();
  });
  s.AddProbe(kUndone,
             [&outcome](CommandEngine& engine) { outcome.undone = LiveShapes(engine.drawing()); });
  s.AddProbe(kRedone,
             [&outcome](CommandEngine& engine) { outcome.redone = LiveShapes(engine.drawing()); });
}

std::vector<std::u16string> Messages(const JournalSession& s) {
  std::vector<std::u16string> texts;
  for (const auto& message : s.player().messageBox().Messages()) {
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    texts.push_back(message.text);
  }
  return texts;
}

struct BreakCase {
  const char* name;
  const char* journal;  // after the object was picked at (50, 100)
  Shapes after;
  std::vector<std::u16string> messages;
};

TEST(BreakCommand, BreaksThePickedObjectBetweenItsPoints) {
  const BreakCase cases[] = {
      {"two points: the end piece follows the start piece",
       "expect-prompt \"First break point? <done>\"\ntap 60 100\n"
       "expect-prompt \"Second break point? <no point>\"\ntap 90 100\n"
       "expect-prompt \"Select object to break? <done>\"\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "circle 100,40 r20"},
       {}},
      {"no second point: split at the first",
       "tap 60 100\ndefault\nexpect-prompt \"Select object to break? <done>\"\ndefault\n",
       {"line 20,100 60,100", "line 60,100 180,100", "circle 100,40 r20"},
       {}},
      {"from the start point: the end piece takes the line's place",
       "tap 20 100\ntap 70 100\ndefault\n",
       {"line 70,100 180,100", "circle 100,40 r20"},
       {}},
      {"points beside the line fall onto it",
       "tap 60 103\ntap 90 97\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "circle 100,40 r20"},
       {}},
      {"then the circle: it keeps the arc from the second point round to the first",
       "tap 60 100\ntap 90 100\ntap 120 40\ntap 120 40\ntap 100 60\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "arc 100,40 r20 90..360"},
       {}},
      {"a point cannot be broken",
       "default\n",
       {"line 20,100 180,100", "circle 100,40 r20", "code 16"},
       {u"Selected object cannot be broken!"}},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.name);
    const bool refused = !c.messages.empty();
    JournalSession s(
        std::string("command tool_BREAK\n") + "expect-prompt \"Select object to break? <done>\"\n" +
        (refused ? "tap 150 150\nanswer ok\n" : "tap 50 100\n") + c.journal + kUndoRedo);
    s.AddLine({20, 100}, {180, 100});
    s.drawing().entities.AddTail(new CircleEntity(Point(100, 40), 20, s.drawing().settings));
    s.drawing().entities.AddTail(new PointEntity(s.drawing().settings, Point(150, 150)));
    const Shapes before = LiveShapes(s.drawing());
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    Shapes expected = c.after;
    if (!refused) expected.push_back("code 16");
    EXPECT_EQ(outcome.after, expected);
    EXPECT_TRUE(outcome.windowClean);
    EXPECT_EQ(Messages(s), c.messages);
    EXPECT_EQ(outcome.undone, refused ? expected : before);
    EXPECT_EQ(outcome.redone, expected);
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

TEST(BreakCommand, AnswersOtherThanAPointEndItAndTakeTheHighlightOff) {
  const struct {
    const char* name;
    const char* journal;
  } cases[] = {
      {"done at the first point", "default\n"},
      {"cancel at the first point", "command 32819\n"},
      {"cancel at the second point", "tap 60 100\ncommand 32819\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command tool_BREAK\ntap 50 100\n") + c.journal +
                     "command 1001\n");
    s.AddLine({20, 100}, {180, 100});
    const Shapes before = LiveShapes(s.drawing());
    bool running = true;
    Bitmap window(0, 0);
    s.AddProbe(kAfter, [&](CommandEngine& engine) {
      running = engine.CurrentCommandId() != 0;
      window = engine.view().window();
    });
    s.Play();
    EXPECT_FALSE(running);
    EXPECT_EQ(LiveShapes(s.drawing()), before);
    EXPECT_EQ(window, s.windowBefore());
    EXPECT_FALSE(s.drawing().undo.CanUndo());
  }
}

// The grid toggled while an object is shown highlighted repaints the window from a new
// picture; once the command ends the window must show the drawing as it was, without a
// dotted or inverted remnant of the highlight.
TEST(CutCommands, ARepaintWhileAnObjectIsHighlightedLeavesNoTrace) {
  const struct {
    const char* name;
    const char* journal;
  } cases[] = {
      {"break, first point", "command tool_BREAK\ntap 50 100\n"},
      {"break, second point", "command tool_BREAK\ntap 50 100\ntap 60 100\n"},
      {"chamfer, second line", "command tool_CHAMFER\ndialog ok\ntap 50 100\n"},
      {"trim, object to trim", "command tool_TRIM\ntap 50 100\ndefault\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) + "command GRID\ncommand GRID\ncommand 32819\n");
    s.AddLine({20, 100}, {180, 100});
    s.Play();
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
    EXPECT_EQ(s.session().view().window(), s.windowBefore());
  }
}

struct TrimCase {
  const char* name;
  const char* journal;  // after the edges at x = 60 and x = 140 were chosen
  Shapes after;
  std::vector<std::u16string> messages;
};

TEST(TrimCommand, CutsTheTappedPieceBetweenTheEdges) {
  const TrimCase cases[] = {
      {"between two edges",
       "tap 100 100\n",
       {"line 20,100 60,100", "line 140,100 180,100", "line 60,20 60,180", "line 140,20 140,180",
        "line 20,150 50,150"},
       {}},
      {"outside both edges",
       "tap 30 100\n",
       {"line 60,100 180,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {}},
      {"one after the other",
       "tap 100 100\ntap 160 100\n",
       {"line 20,100 60,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {}},
      {"an object crossing no edge",
       "tap 30 150\nanswer ok\n",
       {"line 20,100 180,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {u"Object does not intersect an edge!"}},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command tool_TRIM\n") +
                     "expect-prompt \"Select object? <no more>\"\ntap 60 50\ntap 140 50\n"
                     "default\nexpect-prompt \"Select object to trim? <no more>\"\n" +
                     c.journal +
                     "expect-prompt \"Select object to trim? <no more>\"\ndefault\n"
                     "expect-prompt \"Select object? <no more>\"\ncommand 32819\n" +
                     kUndoRedo);
    s.AddLine({20, 100}, {180, 100});
    s.AddLine({60, 20}, {60, 180});
    s.AddLine({140, 20}, {140, 180});
    s.AddLine({20, 150}, {50, 150});
    const Shapes before = LiveShapes(s.drawing());
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    const bool changed = c.messages.empty();
    EXPECT_EQ(outcome.after, c.after);
    EXPECT_TRUE(outcome.windowClean);
    EXPECT_EQ(Messages(s), c.messages);
    EXPECT_EQ(outcome.undone, changed ? before : c.after);
    EXPECT_EQ(outcome.redone, c.after);
    EXPECT_TRUE(s.drawing().selection.empty());
    for (const Entity* entity : s.drawing().entities) EXPECT_FALSE(entity->IsSelected());
  }
}

TEST(TrimCommand, EdgesCutAsChosenEvenWhenTrimmedThemselves) {
  JournalSession s(
      "command tool_TRIM\ntap 100 100\ntap 60 50\ndefault\ntap 60 40\n"
      "tap 100 100\ndefault\ncommand 32819\n" +
      kUndoRedo);
  s.AddLine({20, 100}, {180, 100});
  s.AddLine({60, 20}, {60, 180});
  s.AddLine({140, 20}, {140, 180});
  const Shapes before = LiveShapes(s.drawing());
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after,
            (Shapes{"line 20,100 60,100", "line 60,100 60,180", "line 140,20 140,180"}));
  EXPECT_TRUE(Messages(s).empty());
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, before);
  EXPECT_EQ(outcome.redone, outcome.after);
}

TEST(TrimCommand, ACircleLosesTheArcOnTheTapsSide) {
  JournalSession s("command tool_TRIM\ntap 30 100\ndefault\ntap 100 125\ndefault\ncommand 32819\n" +
                   kUndoRedo);
  s.AddLine({20, 100}, {180, 100});
  s.drawing().entities.AddTail(new CircleEntity(Point(100, 100), 20, s.drawing().settings));
  const Shapes before = LiveShapes(s.drawing());
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after, (Shapes{"line 20,100 180,100", "arc 100,100 r20 180..360"}));
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, before);
  EXPECT_EQ(outcome.redone, outcome.after);
}

struct ChamferCase {
  const char* name;
  const char* journal;  // after "command tool_CHAMFER"
  Shapes after;
  std::vector<std::u16string> messages;
  double firstDistance;  // in the drawing settings afterwards
};

TEST(ChamferCommand, ChamfersTwoLinesWithTheDialogsDistances) {
  const Shapes untouched{"line 20,100 100,100", "line 100,100 100,180", "line 20,40 100,40"};
  const ChamferCase cases[] = {
      {"trimmed to the chamfer, the joining line added",
       "expect-prompt \"Select first line? <options>\"\ntap 50 100\n"
       "expect-prompt \"Select second line? <select first>\"\ntap 100 150\n"
       "expect-prompt \"Select first line? <options>\"\n",
       {"line 20,100 80,100", "line 100,130 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
      {"without trim the lines stay whole",
       "tap 50 100\ntap 100 150\n",
       {"line 20,100 100,100", "line 100,100 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
      {"parallel lines", "tap 50 100\ntap 50 40\n", untouched, {u"Lines are parallel"}, 20},
      {"a distance beyond the line",
       "tap 50 100\ntap 100 150\n",
       untouched,
       {u"Distance is too large"},
       90},
      {"options again from the first prompt",
       "default\ndialog ok \"First chamfer distance\"=10 \"Second chamfer distance\"=10\n"
       "tap 50 100\ntap 100 150\n",
       {"line 20,100 90,100", "line 100,110 100,180", "line 20,40 100,40", "line 90,100 100,110"},
       {},
       10},
      {"select first again from the second prompt",
       "tap 20 40\nexpect-prompt \"Select second line? <select first>\"\ndefault\n"
       "expect-prompt \"Select first line? <options>\"\ntap 50 100\ntap 100 150\n",
       {"line 20,100 80,100", "line 100,130 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
  };
  for (const ChamferCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = c.name;
    const std::string trim = name == "without trim the lines stay whole" ? " Trim=No" : "";
    const std::string first = name == "a distance beyond the line" ? "90" : "20";
    JournalSession s("command tool_CHAMFER\ndialog ok \"First chamfer distance\"=" + first +
                     " \"Second chamfer distance\"=30" + trim + "\n" + c.journal +
                     (c.messages.empty() ? "" : "answer ok\n") + "command 32819\n" + kUndoRedo);
    s.AddLine({20, 100}, {100, 100});
    s.AddLine({100, 100}, {100, 180});
    s.AddLine({20, 40}, {100, 40});
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    EXPECT_EQ(outcome.after, c.after);
    EXPECT_TRUE(outcome.windowClean);
    std::vector<std::u16string> texts;
    for (const auto& message : s.player().messageBox().Messages()) {
      EXPECT_EQ(message.icon, MessageIcon::Stop);
      texts.push_back(message.text);
    }
    EXPECT_EQ(texts, c.messages);
    EXPECT_EQ(outcome.undone, untouched);
    EXPECT_EQ(outcome.redone, c.after);
    EXPECT_EQ(s.drawing().settings.factorA, c.firstDistance);
  }
}

TEST(ChamferCommand, CancellingTheDialogEndsTheCommandAndUndoRestoresTheDistances) {
  JournalSession s(
      "command tool_CHAMFER\ndialog cancel\ncommand 1001\n"
      "command tool_CHAMFER\ndialog ok \"First chamfer distance\"=5\ncommand 32819\n"
      "command UNDO\n");
  s.AddLine({20, 100}, {100, 100});
  bool running = true;
  double afterCancel = 0;
  s.AddProbe(kAfter, [&](CommandEngine& engine) {
    running = engine.CurrentCommandId() != 0;
    afterCancel = engine.drawing().settings.factorA;
  });
  s.Play();
  EXPECT_FALSE(running);
  EXPECT_EQ(afterCancel, 1.0);
  EXPECT_EQ(s.drawing().settings.factorA, 1.0);
  EXPECT_FALSE(s.drawing().undo.CanUndo());
}

// A polyline of colour 3 from (20, 150) to (60, 150) to (60, 190), with a half circle bulge on
// its second segment when `arc`.
PolylineEntity* AddPolyline(JournalSession& s, bool arc) {
  auto* polyline = new PolylineEntity(s.drawing().settings);
  polyline->colorIndex = 3;
  polyline->AppendVertex(Point(20, 150), 0, 0, 0, 0, 0);
  polyline->AppendVertex(Point(60, 150), 0, 0, arc ? 1.0 : 0.0, 0, 0);
  polyline->AppendVertex(Point(60, 190), 0, 0, 0, 0, 0);
  polyline->RebuildSegments();
  s.drawing().entities.AddTail(polyline);
  return polyline;
}

// A reference at (100, 50) of a block "B" holding the line (0, 0)–(10, 0) and a circle of
// radius 5 about (0, 10), scaled by (`xScale`, `yScale`); a nested reference rotated by
// `nestedRotation` joins the block when that is not 0.
InsertEntity* AddBlockReference(JournalSession& s, double xScale, double yScale,
                                double nestedRotation = 0) {
  Drawing& drawing = s.drawing();
  EntityList parts;
  parts.AddTail(new LineEntity(Point(0, 0), Point(10, 0), drawing.settings));
  parts.AddTail(new CircleEntity(Point(0, 10), 5, drawing.settings));
  if (nestedRotation != 0) {
    EntityList inner;
    inner.AddTail(new LineEntity(Point(0, 0), Point(1, 0), drawing.settings));
    const BlockDefinition* innerBlock =
        drawing.blocks.CreateBlock(u"I", inner, Point(), Point(), Size());
    auto* nested = new InsertEntity(u"I", Point(0, 0), 1, 1, nestedRotation, drawing.settings);
    nested->SetBlock(*innerBlock);
    parts.AddTail(nested);
  }
  const BlockDefinition* block = drawing.blocks.CreateBlock(u"B", parts, Point(), Point(), Size());
  auto* reference = new InsertEntity(u"B", Point(100, 50), xScale, yScale, 0, drawing.settings);
  reference->SetBlock(*block);
  drawing.entities.AddTail(reference);
  return reference;
}

std::vector<int> ColorsOfLive(const Drawing& drawing) {
  std::vector<int> colors;
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased()) colors.push_back(entity->colorIndex);
  return colors;
}

TEST(ExplodeCommand, APolylineFallsIntoItsPiecesInItsColour) {
  JournalSession s(
      "command modify_EXPLODE\n"
      "expect-prompt \"Select object to explode? <done>\"\ntap 40 150\n"
      "expect-prompt \"Select object to explode? <done>\"\ndefault\n" +
      kUndoRedo);
  s.AddLine({20, 100}, {100, 100});
  AddPolyline(s, false);
  const Shapes before = LiveShapes(s.drawing());
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after,
            (Shapes{"line 20,100 100,100", "line 20,150 60,150", "line 60,150 60,190"}));
  EXPECT_EQ(ColorsOfLive(s.drawing()), (std::vector<int>{256, 3, 3}));
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, before);
  EXPECT_EQ(outcome.redone, outcome.after);
  EXPECT_TRUE(s.player().messageBox().Messages().empty());
}

TEST(ExplodeCommand, ABlockReferenceLeavesItsPartsWhereItShowedThem) {
  JournalSession s("command modify_EXPLODE\ntap 110 50\ndefault\n" + kUndoRedo);
  AddBlockReference(s, 2, 2);
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after, (Shapes{"line 100,50 120,50", "circle 100,70 r10"}));
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, Shapes{"code 7"});
  EXPECT_EQ(outcome.redone, outcome.after);
}

TEST(ExplodeCommand, RefusesWhatCannotBeExploded) {
  const struct {
    const char* name;
    double xScale;
    double yScale;
    double nestedRotation;
    const char* tap;
  } cases[] = {
      {"a line", 1, 1, 0, "tap 60 100\n"},
      {"unequal scales with a rotated nested reference", 2, 1, 0.5, "tap 110 50\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command modify_EXPLODE\n") + c.tap + "answer ok\ndefault\n");
    s.AddLine({20, 100}, {100, 100});
    AddBlockReference(s, c.xScale, c.yScale, c.nestedRotation);
    const Shapes before = LiveShapes(s.drawing());
    s.Play();
    EXPECT_EQ(LiveShapes(s.drawing()), before);
    ASSERT_EQ(s.player().messageBox().Messages().size(), 1u);
    EXPECT_EQ(s.player().messageBox().Messages()[0].text, u"Selected object cannot be exploded!");
    EXPECT_EQ(s.player().messageBox().Messages()[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(s.drawing().undo.CanUndo());
  }
}

TEST(ExplodeCommand, UnequalScalesExplodeNestedArcPolylinesIntoPieces) {
  JournalSession s("command modify_EXPLODE\ntap 110 50\ndefault\n");
  Drawing& drawing = s.drawing();
  EntityList parts;
  auto* nested = new PolylineEntity(drawing.settings);
  nested->colorIndex = 5;
  nested->AppendVertex(Point(0, 0), 0, 0, 1.0, 0, 0);
  nested->AppendVertex(Point(10, 0), 0, 0, 0, 0, 0);
  nested->AppendVertex(Point(10, 10), 0, 0, 0, 0, 0);
  nested->RebuildSegments();
  parts.AddTail(nested);
  const BlockDefinition* block = drawing.blocks.CreateBlock(u"P", parts, Point(), Point(), Size());
  auto* reference = new InsertEntity(u"P", Point(100, 50), 2, 1, 0, drawing.settings);
  reference->SetBlock(*block);
  drawing.entities.AddTail(reference);
  s.Play();
  const Shapes after = LiveShapes(drawing);
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0].rfind("ellipse ", 0) == 0 || after[0].rfind("arc ", 0) == 0, true) << after[0];
  EXPECT_EQ(after[1], "line 120,50 120,60");
  EXPECT_EQ(ColorsOfLive(drawing), (std::vector<int>{5, 5}));
}

// The live entities with each polyline's vertices: "polyline 20,150 50,150 ...".
Shapes LiveShapesWithVertices(const Drawing& drawing) {
  Shapes shapes;
  for (const Entity* entity : drawing.entities) {
    if (entity->IsErased()) continue;
    const PolylineEntity* polyline = entity->AsPolyline();
    if (polyline == nullptr) {
      shapes.push_back(testing::cut::Shape(*entity));
      continue;
    }
    std::string text = "polyline";
    for (const Entity* vertex : polyline->vertexList) {
      const Point at = vertex->AsVertex()->position;
      text += ' ';
      text += testing::cut::Rounded(at.x);
      text += ',';
      text += testing::cut::Rounded(at.y);
    }
    shapes.push_back(text);
  }
  return shapes;
}

TEST(ChamferCommand, PolylineSegmentsWhenThePolylineBoxIsChecked) {
  const struct {
    const char* name;
    const char* options;
    const char* taps;
    Shapes after;
  } cases[] = {
      {"two segments of one polyline: the corner becomes a segment",
       "Polyline=Yes",
       "tap 40 150\ntap 60 170\n",
       {"polyline 20,150 50,150 60,160 60,190", "line 80,130 80,190"}},
      {"the same, picked the other way round",
       "Polyline=Yes",
       "tap 60 170\ntap 40 150\n",
       {"polyline 20,150 50,150 60,160 60,190", "line 80,130 80,190"}},
      {"a segment and a line: the vertex moves, a line joins",
       "Polyline=Yes",
       "tap 40 150\ntap 80 170\n",
       {"polyline 20,150 70,150 60,190", "line 80,160 80,190", "line 70,150 80,160"}},
      {"without trim: only the joining line",
       "Polyline=Yes Trim=No",
       "tap 40 150\ntap 60 170\n",
       {"polyline 20,150 60,150 60,190", "line 80,130 80,190", "line 50,150 60,160"}},
      {"unchecked: a polyline cannot be picked",
       "Polyline=No",
       "tap 40 150\n",
       {"polyline 20,150 60,150 60,190", "line 80,130 80,190"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Shapes after, undone, redone;
    JournalSession s(std::string("command tool_CHAMFER\ndialog ok \"First chamfer distance\"=10 "
                                 "\"Second chamfer distance\"=10 ") +
                     c.options + "\n" + c.taps + "command 32819\n" + kUndoRedo);
    AddPolyline(s, false);
    s.AddLine({80, 130}, {80, 190});
    const Shapes before = LiveShapesWithVertices(s.drawing());
    s.AddProbe(kAfter, [&](CommandEngine& e) { after = LiveShapesWithVertices(e.drawing()); });
    s.AddProbe(kUndone, [&](CommandEngine& e) { undone = LiveShapesWithVertices(e.drawing()); });
    s.AddProbe(kRedone, [&](CommandEngine& e) { redone = LiveShapesWithVertices(e.drawing()); });
    s.Play();
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(undone, before);
    EXPECT_EQ(redone, c.after);
    EXPECT_TRUE(s.player().messageBox().Messages().empty());
  }
}

}  // namespace
}  // namespace korvo
