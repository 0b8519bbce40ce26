#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/transform_commands.h"
#include "core/drawing.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;
using testing::LiveEntities;

// The drawing order of the entities that are not erased.
std::vector<Entity*> LiveOrder(const Drawing& drawing) {
  std::vector<Entity*> order;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased()) order.push_back(entity);
  return order;
}

// Three lines, A at the bottom, B in the middle, C at the top, in that order.
struct ThreeLines {
  explicit ThreeLines(JournalSession& s)
      : a(s.AddLine({20, 40}, {180, 40})),
        b(s.AddLine({20, 100}, {180, 100})),
        c(s.AddLine({20, 160}, {180, 160})) {}
  Entity* a;
  Entity* b;
  Entity* c;
};

TEST(EraseCommand, ErasedObjectsComeBackInTheirFormerOrder) {
  JournalSession s(
      "command modify_ERASE\ntap 100 100\ntap 100 40\ndefault\ncommand 1001\ncommand UNDO\n");
  const ThreeLines lines(s);
  const std::string before = LiveEntities(s.drawing());
  std::vector<Entity*> afterErase;
  s.AddProbe(1001, [&](CommandEngine& engine) { afterErase = LiveOrder(engine.drawing()); });
  s.Play();
  EXPECT_EQ(afterErase, std::vector<Entity*>{lines.c});
  EXPECT_EQ(LiveOrder(s.drawing()), (std::vector<Entity*>{lines.a, lines.b, lines.c}));
  EXPECT_EQ(LiveEntities(s.drawing()), before);
  for (Entity* e : LiveOrder(s.drawing())) EXPECT_FALSE(e->IsSelected());
}

TEST(EraseCommand, EndsWhenTheDrawingIsEmpty) {
  JournalSession s("command modify_ERASE\ncommand 32911\ndefault\ncommand 1001\n");
  ThreeLines lines(s);
  int commandAfterErase = -1;
  s.AddProbe(1001, [&](CommandEngine& engine) { commandAfterErase = engine.CurrentCommandId(); });
  s.Play();
  EXPECT_TRUE(LiveOrder(s.drawing()).empty());
  EXPECT_EQ(commandAfterErase, 0);
}

TEST(EraseCommand, RepeatsWithANewSelection) {
  JournalSession s(
      "command modify_ERASE\ntap 100 100\ndefault\ntap 100 40\ndefault\ncommand 1001\n");
  const ThreeLines lines(s);
  int commandAfterErase = -1;
  s.AddProbe(1001, [&](CommandEngine& engine) { commandAfterErase = engine.CurrentCommandId(); });
  s.Play();
  EXPECT_EQ(LiveOrder(s.drawing()), std::vector<Entity*>{lines.c});
  EXPECT_EQ(commandAfterErase, CommandId::Erase);
}

TEST(DrawingOrderCommands, MoveTheSelectionToEitherEndAndUndoRestoresTheOrder) {
  struct Case {
    const char* name;
    const char* journal;
    int expected[3];  // 0 = A, 1 = B, 2 = C
  } cases[] = {
      {"A to the front", "command modify_FRONT\ntap 100 40\ndefault\n", {1, 2, 0}},
      {"C, already last, to the front", "command modify_FRONT\ntap 100 160\ndefault\n", {0, 1, 2}},
      {"A and B to the front keep their order",
       "command modify_FRONT\ntap 100 100\ntap 100 40\ndefault\n",
       {2, 0, 1}},
      {"C to the back", "command modify_BACK\ntap 100 160\ndefault\n", {2, 0, 1}},
      {"A, already first, to the back", "command modify_BACK\ntap 100 40\ndefault\n", {0, 1, 2}},
      {"B and C to the back keep their order",
       "command modify_BACK\ncommand 32911\ntap 100 40\ndefault\n",
       {1, 2, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) + "command 1001\ncommand UNDO\n");
    const ThreeLines lines(s);
    const Entity* byIndex[] = {lines.a, lines.b, lines.c};
    const std::string before = LiveEntities(s.drawing());
    std::vector<Entity*> afterOrder;
    s.AddProbe(1001, [&](CommandEngine& engine) { afterOrder = LiveOrder(engine.drawing()); });
    s.Play();
    ASSERT_EQ(afterOrder.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(afterOrder[i], byIndex[c.expected[i]]) << i;
    EXPECT_EQ(LiveOrder(s.drawing()), (std::vector<Entity*>{lines.a, lines.b, lines.c}));
    EXPECT_EQ(LiveEntities(s.drawing()), before);
    EXPECT_TRUE(s.drawing().selection.empty());
  }
}

}  // namespace
}  // namespace korvo
