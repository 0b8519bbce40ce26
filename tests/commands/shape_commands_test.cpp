#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/vertex_entity.h"
#include "geometry/geometry.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;

template <typename T, typename As>
std::vector<T*> Live(Drawing& drawing, As as) {
  std::vector<T*> found;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && (entity->*as)() != nullptr) found.push_back((entity->*as)());
  return found;
}

std::vector<SolidEntity*> LiveSolids(Drawing& drawing) {
  return Live<SolidEntity>(drawing, static_cast<SolidEntity* (Entity::*)()>(&Entity::AsSolid));
}

std::vector<PolylineEntity*> LivePolylines(Drawing& drawing) {
  return Live<PolylineEntity>(drawing,
                              static_cast<PolylineEntity* (Entity::*)()>(&Entity::AsPolyline));
}

std::vector<Point> VerticesOf(const PolylineEntity& polyline) {
  std::vector<Point> points;
  for (const Entity* entity : polyline.vertexList) points.push_back(entity->AsVertex()->position);
  return points;
}

void ExpectCorners(const SolidEntity& solid, const std::array<Point, 4>& corners) {
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    ExpectPointNear(solid.corners[i], corners[i], 1e-9);
  }
}

TEST(SolidCommand, FourthPointOrTriangleAndTheNextSolidSharesAnEdge) {
  JournalSession s(
      "command draw_FSOLID\nexpect-prompt \"First point?\"\ntap 10 10\n"
      "expect-prompt \"Second point?\"\ntap 50 10\nexpect-prompt \"Third point?\"\ntap 50 50\n"
      "expect-prompt \"Fourth point? <triangle>\"\ntap 10 50\n"
      "expect-prompt \"Third point?\"\ntap 10 90\nexpect-prompt \"Fourth point? <triangle>\"\n"
      "default\nexpect-prompt \"Third point?\"\ncommand 32819\n");
  s.Play();
  const std::vector<SolidEntity*> solids = LiveSolids(s.drawing());
  ASSERT_EQ(solids.size(), 2u);
  ExpectCorners(*solids[0], {Point(10, 10), Point(50, 10), Point(50, 50), Point(10, 50)});
  // The triangle repeats its third vertex.
  ExpectCorners(*solids[1], {Point(50, 50), Point(10, 50), Point(10, 90), Point(10, 90)});
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  EXPECT_EQ(s.drawing().undo.GroupSize(0), 2u);
}

TEST(SolidCommand, CancelAtAnyPromptAddsNothingOfTheSolidUnderConstruction) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"at the second point", "tap 10 10\ncommand 32819\n"},
      {"at the third point", "tap 10 10\ntap 50 10\ncommand 32819\n"},
      {"at the fourth point", "tap 10 10\ntap 50 10\ntap 50 50\ncommand 32819\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_FSOLID\n") + c.journal);
    s.Play();
    EXPECT_TRUE(LiveSolids(s.drawing()).empty());
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_TRUE(s.session().view().window() == s.windowBefore());
  }
}

TEST(RectangleCommand, CornerStylesFromTheOptionsDialog) {
  struct Case {
    const char* name;
    const char* dialog;
    std::vector<Point> vertices;
    std::size_t bulged;  // vertices that start a corner arc
    double width;
  } cases[] = {
      {"plain", "dialog ok\n", {{60, 20}, {100, 20}, {100, 50}, {60, 50}}, 0, 0},
      {"plain with line width",
       "dialog ok \"Line width\"=2\n",
       {{60, 20}, {100, 20}, {100, 50}, {60, 50}},
       0,
       2},
      {"chamfered",
       "dialog ok Corners=Chamfered \"Chamfer distance 1\"=5 \"Chamfer distance 2\"=3\n",
       {{65, 20}, {95, 20}, {100, 23}, {100, 47}, {95, 50}, {65, 50}, {60, 47}, {60, 23}},
       0,
       0},
      {"filleted",
       "dialog ok Corners=Filleted \"Fillet radius\"=5\n",
       {{65, 20}, {95, 20}, {100, 25}, {100, 45}, {95, 50}, {65, 50}, {60, 45}, {60, 25}},
       4,
       0},
      {"fillets that fill the short sides meet in their middle",
       "dialog ok Corners=Filleted \"Fillet radius\"=15\n",
       {{75, 20}, {85, 20}, {100, 35}, {85, 50}, {75, 50}, {60, 35}},
       4,
       0},
      {"fillets too large for the sides stay plain",
       "dialog ok Corners=Filleted \"Fillet radius\"=16\n",
       {{60, 20}, {100, 20}, {100, 50}, {60, 50}},
       0,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Corners given from the top right: the outline still starts at the lower left.
    JournalSession s(std::string("command draw_RECTANGLE\n") + c.dialog +
                     "expect-prompt \"First corner?\"\ntap 100 50\n"
                     "expect-prompt \"Other corner?\"\ntap 60 20\n"
                     "expect-prompt \"First corner?\"\ncommand 32819\n");
    s.Play();
    const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
    ASSERT_EQ(polylines.size(), 1u);
    const PolylineEntity& rectangle = *polylines[0];
    EXPECT_TRUE(rectangle.IsClosed());
    const std::vector<Point> vertices = VerticesOf(rectangle);
    ASSERT_EQ(vertices.size(), c.vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i)
      ExpectPointNear(vertices[i], c.vertices[i], 1e-9);
    std::size_t bulged = 0;
    for (const Entity* entity : rectangle.vertexList) {
      const VertexEntity* vertex = entity->AsVertex();
      if (vertex->bulge != 0) {
        EXPECT_NEAR(vertex->bulge, std::tan(kPi / 8), 1e-12);  // a quarter circle
        ++bulged;
      }
      EXPECT_EQ(vertex->startWidth, c.width);
      EXPECT_EQ(vertex->endWidth, c.width);
    }
    EXPECT_EQ(bulged, c.bulged);
  }
}

TEST(RectangleCommand, CancelledDialogEndsAndARectangleWithoutAreaIsNotAdded) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"dialog cancelled", "dialog cancel\n"},
      {"corners on one line", "dialog ok\ntap 10 10\ntap 80 10\ncommand 32819\n"},
      {"cancel at the other corner", "dialog ok\ntap 10 10\ncommand 32819\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_RECTANGLE\n") + c.journal);
    s.Play();
    EXPECT_TRUE(LivePolylines(s.drawing()).empty());
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

TEST(RectangleCommand, OptionsHoldForTheNextRunAndUndoRedoRestore) {
  JournalSession s(
      "command draw_RECTANGLE\ndialog ok \"Line width\"=3\ntap 10 10\ntap 50 40\ncommand 32819\n"
      "command draw_RECTANGLE\ndialog ok\ntap 60 10\ntap 90 40\ncommand 32819\n"
      "command 1001\ncommand UNDO\ncommand 1002\ncommand REDO\n");
  std::string afterCommand;
  std::size_t afterUndo = 0;
  s.AddProbe(1001, [&](CommandEngine& e) { afterCommand = LiveEntities(e.drawing()); });
  s.AddProbe(1002, [&](CommandEngine& e) { afterUndo = LivePolylines(e.drawing()).size(); });
  s.Play();
  const std::vector<PolylineEntity*> polylines = LivePolylines(s.drawing());
  ASSERT_EQ(polylines.size(), 2u);
  EXPECT_EQ((*polylines[1]->vertexList.begin())->AsVertex()->startWidth, 3);
  // Undo takes only the last command's rectangle; redo brings it back as it was.
  EXPECT_EQ(afterUndo, 1u);
  EXPECT_EQ(LiveEntities(s.drawing()), afterCommand);
}

TEST(RectangleCommand, ThePreviewLeavesNoTraceInTheWindow) {
  JournalSession s(
      "command draw_RECTANGLE\ndialog ok Corners=Filleted \"Fillet radius\"=4\ntap 10 10\n"
      "press 60 60\nmove 80 30\nmove 120 90\ncommand 1001\nrelease 120 90\n"
      "tap 20 150\npress 60 160\nmove 90 190\ncommand 32819\n");
  bool previewShown = false;
  s.AddProbe(1001,
             [&](CommandEngine& e) { previewShown = !(e.view().window() == s.windowBefore()); });
  s.Play();
  EXPECT_TRUE(previewShown);
  ASSERT_EQ(LivePolylines(s.drawing()).size(), 1u);
  // What remains is exactly the one rectangle as a fresh picture shows it.
  const Bitmap shown = s.session().view().window();
  s.session().view().InvalidatePicture(PictureBitmap::Keep);
  s.session().view().RepaintNow();
  EXPECT_FALSE(shown == s.windowBefore());
  EXPECT_TRUE(shown == s.session().view().window());
}

TEST(DonutCommand, DiametersDialogThenACopyAtEachCentre) {
  JournalSession s(
      "command draw_DONUT\ndialog ok \"Inside diameter\"=6 \"Outside diameter\"=10\n"
      "expect-prompt \"Center? <options>\"\ntap 50 50\ntap 100 50\ndefault\n"
      "dialog ok \"Inside diameter\"=0 \"Outside diameter\"=4\ntap 150 150\ncommand 32819\n");
  s.Play();
  const std::vector<PolylineEntity*> donuts = LivePolylines(s.drawing());
  ASSERT_EQ(donuts.size(), 3u);
  struct Expected {
    Point left;
    Point right;
    double width;
  } expected[] = {{{46, 50}, {54, 50}, 2}, {{96, 50}, {104, 50}, 2}, {{149, 150}, {151, 150}, 2}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(donuts[i]->IsClosed());
    const std::vector<Point> vertices = VerticesOf(*donuts[i]);
    ASSERT_EQ(vertices.size(), 2u);
    ExpectPointNear(vertices[0], expected[i].left, 1e-9);
    ExpectPointNear(vertices[1], expected[i].right, 1e-9);
    for (const Entity* entity : donuts[i]->vertexList) {
      EXPECT_EQ(entity->AsVertex()->bulge, 1);
      EXPECT_EQ(entity->AsVertex()->startWidth, expected[i].width);
    }
  }
}

TEST(DonutCommand, CancelOrAnImpossibleRingEndsWithNothingAdded) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<std::u16string> messages;
  } cases[] = {
      {"dialog cancelled", "dialog cancel\n", {}},
      // The dialog says why and returns until the outside diameter is the larger; the journal
      // then runs out.
      {"outside not larger",
       "dialog ok \"Inside diameter\"=5 \"Outside diameter\"=5\nanswer ok\n",
       {u"The outside diameter must be larger than the inside diameter."}},
      {"cancel at the centre", "dialog ok\ncommand 32819\n", {}},
      {"options cancelled later", "dialog ok\ndefault\ndialog cancel\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_DONUT\n") + c.journal);
    s.Play();
    EXPECT_TRUE(LivePolylines(s.drawing()).empty());
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
    std::vector<std::u16string> shown;
    for (const auto& message : s.player().messageBox().Messages()) shown.push_back(message.text);
    EXPECT_EQ(shown, c.messages);
  }
}

// The drawing's settings keep the diameters: a later run offers the last accepted ones.
TEST(DonutCommand, DiametersAreKeptInTheDrawingSettings) {
  struct Case {
    const char* name;
    const char* journal;
    double inside;
    double outside;
    std::size_t donuts;
  } cases[] = {
      {"accepted values kept",
       "dialog ok \"Inside diameter\"=6 \"Outside diameter\"=10\n"
       "command 32819\n",
       6, 10, 0},
      {"cancel keeps the reset values", "dialog cancel\n", 0.5, 1, 0},
      {"refused ring keeps the reset values",
       "dialog ok \"Inside diameter\"=5 \"Outside diameter\"=5\nanswer ok\n", 0.5, 1, 0},
      {"options cancelled later keep the first values",
       "dialog ok \"Inside diameter\"=6 \"Outside diameter\"=10\ndefault\n"
       "dialog cancel\n",
       6, 10, 0},
      {"next run starts from them",
       "dialog ok \"Inside diameter\"=6 \"Outside diameter\"=10\ncommand 32819\n"
       "command draw_DONUT\ndialog ok\ntap 50 50\ncommand 32819\n",
       6, 10, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command draw_DONUT\n") + c.journal);
    s.Play();
    EXPECT_EQ(s.drawing().settings.donutInsideDiameter, c.inside);
    EXPECT_EQ(s.drawing().settings.donutOutsideDiameter, c.outside);
    const std::vector<PolylineEntity*> donuts = LivePolylines(s.drawing());
    ASSERT_EQ(donuts.size(), c.donuts);
    if (c.donuts == 0) continue;
    // Mean diameter 8 and ring width 2, as the kept values give.
    const std::vector<Point> vertices = VerticesOf(*donuts[0]);
    ASSERT_EQ(vertices.size(), 2u);
    ExpectPointNear(vertices[0], {46, 50}, 1e-9);
    for (const Entity* entity : donuts[0]->vertexList) EXPECT_EQ(entity->AsVertex()->startWidth, 2);
  }
}

TEST(SetBaseCommand, APointBecomesTheBaseWithUndoTheDefaultChangesNothing) {
  JournalSession s(
      "command SETBASE\nexpect-prompt \"Insertion base point? <0, 0>\"\ntap 30 40\n"
      "command SETBASE\nexpect-prompt \"Insertion base point? <30, 40>\"\ndefault\n"
      "command 1001\ncommand UNDO\n");
  Point afterBoth;
  s.AddProbe(1001, [&](CommandEngine& e) { afterBoth = e.drawing().settings.basePoint; });
  s.Play();
  ExpectPointNear(afterBoth, {30, 40});
  ExpectPointNear(s.drawing().settings.basePoint, {0, 0});
}

}  // namespace
}  // namespace korvo
