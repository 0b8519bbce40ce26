#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/archive.h"
#include "core/drawing.h"
#include "core/marker_entity.h"
#include "core/native_drawing.h"
#include "core/point_entity.h"
#include "tests/core/drawing_state.h"

namespace korvo {
namespace {

using testing::CountMarkers;

// Four points named by letter, so that an order reads as a word.
struct Lettered {
  explicit Lettered(std::u16string_view order = u"ABCD") {
    drawing.New();
    for (char16_t letter : order) {
      auto* point = new PointEntity(drawing.settings, letter - u'A', 0);
      drawing.entities.AddTail(point);
      entities.push_back(point);
    }
  }
  // The order of what shows: markers and erased entities are left out.
  std::u16string Order() const {
    std::u16string order;
    for (const Entity* entity : drawing.entities) {
      if (entity->IsErased()) continue;
      order += static_cast<char16_t>(u'A' + static_cast<int>(entity->AsPoint()->position.x));
    }
    return order;
  }
  std::vector<Entity*> Pick(std::u16string_view letters) const {
    std::vector<Entity*> picked;
    for (char16_t letter : letters) picked.push_back(entities[letter - u'A']);
    return picked;
  }

  Drawing drawing;
  std::vector<Entity*> entities;
};

enum class Move { ToFront, ToBack };

struct Case {
  const char* name;
  Move move;
  const char16_t* chosen;
  const char16_t* expected;
};

const Case kCases[] = {
    {"one to front", Move::ToFront, u"B", u"ACDB"},
    {"two to front keep their order", Move::ToFront, u"CA", u"BDAC"},
    {"the last to front stays last", Move::ToFront, u"D", u"ABCD"},
    {"all to front", Move::ToFront, u"ABCD", u"ABCD"},
    {"one to back", Move::ToBack, u"C", u"CABD"},
    {"two to back keep their order", Move::ToBack, u"DB", u"BDAC"},
    {"the first to back stays first", Move::ToBack, u"A", u"ABCD"},
};

int Apply(Drawing& drawing, Move move, const std::vector<Entity*>& chosen) {
  return move == Move::ToFront ? drawing.BringToFront(chosen) : drawing.SendToBack(chosen);
}

TEST(DrawingOrder, MovesTheChosenEntitiesAndUndoPutsThemBack) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Lettered scene;
    const std::vector<Entity*> chosen = scene.Pick(c.chosen);
    const auto before = testing::VisibleEntities(scene.drawing);
    EXPECT_EQ(Apply(scene.drawing, c.move, chosen), static_cast<int>(chosen.size()));
    scene.drawing.undo.EndUndoGroup();
    EXPECT_EQ(scene.Order(), c.expected);
    EXPECT_EQ(CountMarkers(scene.drawing), static_cast<int>(chosen.size()));

    ASSERT_TRUE(scene.drawing.undo.Undo());
    EXPECT_EQ(scene.Order(), u"ABCD");
    EXPECT_TRUE(testing::VisibleEntities(scene.drawing) == before);
    ASSERT_TRUE(scene.drawing.undo.Redo());
    EXPECT_EQ(scene.Order(), c.expected);
    ASSERT_TRUE(scene.drawing.undo.Undo());
    EXPECT_EQ(scene.Order(), u"ABCD");
  }
}

TEST(DrawingOrder, TheMarkerStandsForTheEntityInItsOldNode) {
  Lettered scene;
  const ListPosition old = scene.drawing.entities.Find(scene.entities[1]);
  std::vector<Entity*> chosen = scene.Pick(u"B");
  scene.drawing.BringToFront(chosen);
  const MarkerEntity* marker = scene.drawing.entities.GetAt(old)->AsMarker();
  ASSERT_NE(marker, nullptr);
  EXPECT_EQ(marker->flags, EntityFlag::Hidden | EntityFlag::Erased);
  EXPECT_EQ(marker->entity, scene.entities[1]);
  EXPECT_EQ(marker->node, scene.drawing.entities.TailPosition());
  EXPECT_FALSE(marker->IsVisible());
}

TEST(DrawingOrder, MarkersAndErasedEntitiesAreNotMoved) {
  Lettered scene;
  scene.drawing.Erase(scene.entities[0]);
  std::vector<Entity*> chosen = scene.Pick(u"AB");
  EXPECT_EQ(scene.drawing.BringToFront(chosen), 1);
  Entity* marker = scene.drawing.entities.GetAt(
      scene.drawing.entities.Next(scene.drawing.entities.HeadPosition()));
  ASSERT_NE(marker->AsMarker(), nullptr);
  std::vector<Entity*> markers = {marker};
  EXPECT_EQ(scene.drawing.SendToBack(markers), 0);
  EXPECT_EQ(scene.Order(), u"CDB");
}

TEST(DrawingOrder, MovingTheSameEntityTwiceUndoesStepByStep) {
  Lettered scene;
  scene.drawing.undo.SetLevels(2);
  std::vector<Entity*> chosen = scene.Pick(u"B");
  scene.drawing.BringToFront(chosen);
  scene.drawing.undo.EndUndoGroup();
  scene.drawing.SendToBack(chosen);
  scene.drawing.undo.EndUndoGroup();
  EXPECT_EQ(scene.Order(), u"BACD");
  scene.drawing.undo.Undo();
  EXPECT_EQ(scene.Order(), u"ACDB");
  scene.drawing.undo.Undo();
  EXPECT_EQ(scene.Order(), u"ABCD");
  scene.drawing.undo.Redo();
  scene.drawing.undo.Redo();
  EXPECT_EQ(scene.Order(), u"BACD");
  EXPECT_EQ(CountMarkers(scene.drawing), 2);
}

// Opening the group deletes the entity erased by the previous command, which sits right
// after the first one moved: the walk must not step onto its freed node.
TEST(DrawingOrder, TheEntityDeletedWhenTheGroupOpensIsNotWalkedOnto) {
  for (Move move : {Move::ToFront, Move::ToBack}) {
    Lettered scene;
    scene.drawing.Erase(scene.entities[move == Move::ToFront ? 1 : 2]);
    scene.drawing.undo.EndUndoGroup();
    const std::vector<Entity*> chosen = scene.Pick(move == Move::ToFront ? u"AD" : u"DA");
    EXPECT_EQ(Apply(scene.drawing, move, chosen), 2);
    EXPECT_EQ(scene.Order(), move == Move::ToFront ? u"CAD" : u"ADB");
    EXPECT_EQ(scene.drawing.entities.size(), 5u);  // three points and two markers
  }
}

std::vector<uint8_t> SavedBytes(const Drawing& drawing) {
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  return writer.bytes();
}

// Markers are never written: the file holds the entities in their new order and nothing
// else, byte for byte what a drawing made in that order holds.
TEST(DrawingOrder, SavingWritesTheEntitiesInTheNewOrder) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Lettered moved;
    Apply(moved.drawing, c.move, moved.Pick(c.chosen));
    Lettered made(c.expected);
    EXPECT_EQ(SavedBytes(moved.drawing), SavedBytes(made.drawing));
  }
}

}  // namespace
}  // namespace korvo
