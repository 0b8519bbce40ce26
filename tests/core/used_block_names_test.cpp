#include "core/used_block_names.h"

#include <gtest/gtest.h>

#include "core/block_references.h"
#include "core/circle_entity.h"
#include "core/drawing_settings.h"
#include "core/line_entity.h"

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

}  // namespace
}  // namespace korvo
