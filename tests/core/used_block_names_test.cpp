#include "core/used_block_names.h"

#include <gtest/gtest.h>

#include "core/block_references.h"
#include "core/circle_entity.h"
#include "core/drawing_settings.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

// Only block references name blocks: a list of other kinds uses none, and binding leaves
// it as it was, even with blocks in the table.
TEST(UsedBlockNames, KindsThatNameNoBlockUseNone) {
  const DrawingSettings settings;
  EntityList list;
  list.AddTail(new LineEntity(0, 0, 1, 1, settings));
  list.AddTail(new CircleEntity(Point(0, 0), 1, settings));
  BlockTable blocks;
  blocks.CreateBlock(u"DOOR", list, Point(), Point(), Size{1, 1});

  std::set<std::u16string> names{u"KEPT"};
  CollectUsedBlockNames(list, names);
  EXPECT_EQ(names, std::set<std::u16string>{u"KEPT"});

  ResolveBlockReferences(list, blocks);
  EXPECT_EQ(list.size(), 2u);
  list.DeleteAll();
}

TEST(UsedBlockNames, ReferencesNameTheirBlocksAtAnyDepth) {
  const DrawingSettings settings;
  EntityList list;
  auto* door = new InsertEntity(u"Door", Point(), 1, 1, 0, settings);
  door->expanded.AddTail(new InsertEntity(u"hinge", Point(), 1, 1, 0, settings));
  door->attached.AddTail(new InsertEntity(u"Label", Point(), 1, 1, 0, settings));
  list.AddTail(door);
  auto* erased = new InsertEntity(u"GONE", Point(), 1, 1, 0, settings);
  erased->flags |= EntityFlag::Erased;
  erased->attached.AddTail(new InsertEntity(u"ALSO GONE", Point(), 1, 1, 0, settings));
  list.AddTail(erased);
  list.AddTail(new InsertEntity(u"door", Point(), 1, 1, 0, settings));

  std::set<std::u16string> names;
  CollectUsedBlockNames(list, names);
  EXPECT_EQ(names, (std::set<std::u16string>{u"DOOR", u"HINGE", u"LABEL"}));
}

TEST(UsedBlockNames, BindingReportsBlocksThatContainThemselves) {
  const DrawingSettings settings;
  BlockTable blocks;
  EntityList parts;
  parts.AddTail(new InsertEntity(u"LOOP", Point(), 1, 1, 0, settings));
  blocks.CreateBlock(u"LOOP", parts, Point(), Point(), Size{1, 1});
  EntityList list;
  list.AddTail(new InsertEntity(u"loop", Point(), 1, 1, 0, settings));

  RecordingMessageBox messages;
  ScopedMessageBox scope(messages);
  ResolveBlockReferences(list, blocks);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text,
            u"Block LOOP contains a reference to itself; that reference is left empty.");
  EXPECT_EQ(list.Head()->AsInsert()->expanded.size(), 1u);
}

TEST(UsedBlockNames, DefinitionsOfUsedBlocksAddTheBlocksTheyName) {
  const DrawingSettings settings;
  BlockTable blocks;
  EntityList parts;
  // Added before the blocks that name them, so that one pass over the table is not enough.
  blocks.CreateBlock(u"BOLT", parts, Point(), Point(), Size{1, 1});
  parts.AddTail(new InsertEntity(u"bolt", Point(), 1, 1, 0, settings));
  blocks.CreateBlock(u"PLATE", parts, Point(), Point(), Size{1, 1});
  parts.DeleteAll();
  parts.AddTail(new InsertEntity(u"Plate", Point(), 1, 1, 0, settings));
  blocks.CreateBlock(u"DOOR", parts, Point(), Point(), Size{1, 1});
  blocks.CreateBlock(u"UNUSED", parts, Point(), Point(), Size{1, 1});
  // A block naming itself ends the search like any other.
  parts.DeleteAll();
  parts.AddTail(new InsertEntity(u"LOOP", Point(), 1, 1, 0, settings));
  blocks.CreateBlock(u"LOOP", parts, Point(), Point(), Size{1, 1});
  EntityList list;
  list.AddTail(new InsertEntity(u"door", Point(), 1, 1, 0, settings));
  list.AddTail(new InsertEntity(u"loop", Point(), 1, 1, 0, settings));
  list.AddTail(new InsertEntity(u"NOT DEFINED", Point(), 1, 1, 0, settings));

  std::set<std::u16string> names;
  CollectUsedBlockNames(list, blocks, names);
  EXPECT_EQ(names, (std::set<std::u16string>{u"BOLT", u"DOOR", u"LOOP", u"NOT DEFINED", u"PLATE"}));
}

}  // namespace
}  // namespace korvo
