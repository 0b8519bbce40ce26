#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "commands/draw_commands.h"
#include "core/block_definition.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;

struct Segment {
  Point start;
  Point end;
};

void ExpectSegments(const BlockDefinition* block, const std::vector<Segment>& expected) {
  ASSERT_NE(block, nullptr);
  ASSERT_EQ(block->size(), expected.size());
  std::size_t i = 0;
  for (const Entity* entity : *block) {
    SCOPED_TRACE(i);
    const LineEntity* line = entity->AsLine();
    ASSERT_NE(line, nullptr);
    ExpectPointNear(line->start, expected[i].start, 1e-9);
    ExpectPointNear(line->end, expected[i].end, 1e-9);
    ++i;
  }
}

std::vector<InsertEntity*> LiveInserts(Drawing& drawing) {
  std::vector<InsertEntity*> found;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsInsert() != nullptr) found.push_back(entity->AsInsert());
  return found;
}

TEST(FreeLineCommand, EachStrokeIsAGroupAndAStraightDragOneSegment) {
  JournalSession s(
      "command draw_FREELINE\nexpect-prompt \"Draw free lines <new group>\"\n"
      "press 10 10\nmove 20 10\nmove 30 10\nmove 40 10\nmove 50 10\nrelease 50 10\n"
      "press 10 50\nmove 20 50\nmove 30 60\nmove 30 60\nmove 40 50\nrelease 40 50\n"
      "command 32819\n");
  // A group name in use is skipped.
  s.drawing().blocks.Add(new BlockDefinition(u"*FLD1"));
  s.Play();
  const std::vector<InsertEntity*> inserts = LiveInserts(s.drawing());
  ASSERT_EQ(inserts.size(), 2u);
  EXPECT_EQ(inserts[0]->blockName, u"*FLD2");
  EXPECT_EQ(inserts[1]->blockName, u"*FLD3");
  EXPECT_EQ(inserts[0]->xScale, 1);
  EXPECT_EQ(inserts[0]->rotation, 0);
  // The stroke starts where the pen went down.
  ExpectSegments(s.drawing().blocks.Find(u"*FLD2"), {{{10, 10}, {50, 10}}});
  ExpectSegments(s.drawing().blocks.Find(u"*FLD3"),
                 {{{10, 50}, {20, 50}}, {{20, 50}, {30, 60}}, {{30, 60}, {40, 50}}});
  // The reference shows what its block holds.
  ASSERT_EQ(inserts[1]->expanded.size(), 3u);
  const BlockDefinition* second = s.drawing().blocks.Find(u"*FLD3");
  EXPECT_NEAR(second->extent.width, 30, 1e-9);
  EXPECT_NEAR(second->extent.height, 10, 1e-9);
  EXPECT_EQ(s.engine().view().cursorStyle(), CursorStyle::Crosshair);
}

TEST(FreeLineCommand, UndoTakesTheGroupsAndTheirBlocksAway) {
  JournalSession s(
      "command draw_FREELINE\npress 10 10\nmove 20 10\nmove 20 30\nrelease 20 30\n"
      "command 32819\ncommand UNDO\n");
  const std::string before = LiveEntities(s.drawing());
  s.Play();
  EXPECT_EQ(LiveEntities(s.drawing()), before);
  EXPECT_EQ(s.drawing().blocks.Find(u"*FLD1"), nullptr);
}

TEST(FreeLineCommand, BeyondTheGroupLimitTheMessageShowsAndNothingIsAdded) {
  JournalSession s(
      "command draw_FREELINE\npress 10 10\nanswer ok\n"
      "expect-message \"Maximum number of free line blocks exceeded !\"\nmove 20 10\n"
      "release 20 10\n");
  for (int i = 1; i <= kMaxFreeLineGroups; ++i) {
    const std::string number = std::to_string(i);
    s.drawing().blocks.Add(
        new BlockDefinition(u"*FLD" + std::u16string(number.begin(), number.end())));
  }
  s.Play();
  EXPECT_TRUE(LiveInserts(s.drawing()).empty());
  EXPECT_EQ(s.drawing().blocks.size(), static_cast<std::size_t>(kMaxFreeLineGroups));
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

}  // namespace
}  // namespace korvo
