#include "core/symbol_import.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/block_definition.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/layer.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

// A block holding one line, and (when `referenced`) a reference to it among the entities.
void AddBlock(Drawing& drawing, const std::u16string& name, const Point& end, bool referenced) {
  EntityList parts;
  parts.AddTail(new LineEntity({0, 0}, end, drawing.settings));
  BlockDefinition* block = drawing.blocks.CreateBlock(name, parts, {}, {}, {});
  if (!referenced) return;
  auto* insert = new InsertEntity(name, {}, 1, 1, 0, drawing.settings);
  insert->SetBlock(*block);
  drawing.entities.AddTail(insert);
}

std::vector<std::u16string> BlockNames(const Drawing& drawing) {
  std::vector<std::u16string> names;
  for (const BlockDefinition* block : drawing.blocks) names.push_back(block->name);
  return names;
}

TEST(SymbolImport, FreeLineNamesCompareOnTheirFirstFourCharactersWithoutCase) {
  struct Case {
    const char* name;
    std::u16string block;
    bool freeLine;
  } cases[] = {
      {"as made", u"*FLD1", true},     {"lower case", u"*fld12", true},
      {"prefix alone", u"*FLD", true}, {"other generated", u"*U1", false},
      {"too short", u"*FL", false},    {"prefix later", u"X*FLD1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsFreeLineBlockName(c.block), c.freeLine);
  }
}

TEST(SymbolImport, ClashingFreeLineGroupsTakeNamesFreeInBothDrawings) {
  using Renames = std::vector<std::pair<std::u16string, std::u16string>>;
  struct Case {
    const char* name;
    std::vector<std::u16string> drawingBlocks;
    std::vector<std::u16string> symbolBlocks;
    Renames renamed;
  } cases[] = {
      {"no clash", {u"*FLD1"}, {u"*FLD2"}, {}},
      {"one clash", {u"*FLD1"}, {u"*FLD1"}, {{u"*FLD1", u"*FLD2"}}},
      {"the next name is the symbol's own",
       {u"*FLD1"},
       {u"*FLD1", u"*FLD2"},
       {{u"*FLD1", u"*FLD3"}}},
      {"gaps are filled first",
       {u"*FLD2", u"*FLD3"},
       {u"*FLD2", u"*FLD3"},
       {{u"*FLD2", u"*FLD1"}, {u"*FLD3", u"*FLD4"}}},
      {"case does not matter", {u"*FLD1"}, {u"*fld1"}, {{u"*fld1", u"*FLD2"}}},
      {"other blocks keep their names", {u"Door"}, {u"Door"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Drawing drawing;
    drawing.New();
    for (const std::u16string& name : c.drawingBlocks) AddBlock(drawing, name, {1, 0}, false);
    Drawing symbol;
    symbol.New();
    for (const std::u16string& name : c.symbolBlocks) AddBlock(symbol, name, {0, 1}, true);
    EXPECT_EQ(RenameClashingFreeLineBlocks(drawing, symbol), c.renamed);
    // The references of the symbol follow their blocks.
    std::size_t i = 0;
    for (const Entity* entity : symbol.entities) {
      const std::u16string& block = entity->AsInsert()->blockName;
      EXPECT_NE(symbol.blocks.Find(block), nullptr) << i;
      ++i;
    }
    EXPECT_EQ(symbol.blocks.size(), c.symbolBlocks.size());
  }
}

TEST(SymbolImport, TheSymbolBecomesABlockWithItsFreeLineGroupsRenamed) {
  Drawing drawing;
  drawing.New();
  AddBlock(drawing, u"*FLD1", {1, 0}, true);
  Drawing symbol;
  symbol.New();
  symbol.settings.basePoint = Point(2, 3);
  symbol.layers.Add(new Layer(u"Walls", 3, nullptr, -3.0));
  AddBlock(symbol, u"*FLD1", {0, 7}, true);
  auto* wall = new LineEntity({2, 3}, {12, 3}, symbol.settings);
  wall->layer = symbol.layers.Find(u"Walls");
  symbol.entities.AddTail(wall);

  BlockDefinition* block = ImportSymbol(drawing, symbol, u"Room");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(BlockNames(drawing), (std::vector<std::u16string>{u"*FLD1", u"*FLD2", u"Room"}));
  // The drawing's own group is untouched; the symbol's came in under the new name.
  EXPECT_EQ(drawing.blocks.Find(u"*FLD1")->Head()->AsLine()->end, Point(1, 0));
  EXPECT_EQ(drawing.blocks.Find(u"*FLD2")->Head()->AsLine()->end, Point(0, 7));
  ASSERT_EQ(block->size(), 2u);
  EXPECT_EQ(block->Head()->AsInsert()->blockName, u"*FLD2");
  EXPECT_EQ(block->basePoint, Point(2, 3));
  EXPECT_EQ(block->extent.width, 12);  // from the group at x 0 to the wall's end
  EXPECT_EQ(block->extent.height, 7);
  // The layer came along as a copy of the drawing's own.
  const Layer* walls = drawing.layers.Find(u"Walls");
  ASSERT_NE(walls, nullptr);
  EXPECT_EQ(block->Tail()->layer, walls);

  // One undo takes every addition back.
  drawing.undo.EndUndoGroup();
  ASSERT_TRUE(drawing.undo.Undo());
  EXPECT_EQ(BlockNames(drawing), std::vector<std::u16string>{u"*FLD1"});
  EXPECT_EQ(drawing.layers.Find(u"Walls"), nullptr);
  ASSERT_TRUE(drawing.undo.Redo());
  EXPECT_EQ(BlockNames(drawing), (std::vector<std::u16string>{u"*FLD1", u"*FLD2", u"Room"}));
  EXPECT_EQ(drawing.layers.Find(u"Walls"), walls);
}

TEST(SymbolImport, ABlockOfTheSameNameIsReloadedAndItsReferencesFollow) {
  Drawing drawing;
  drawing.New();
  AddBlock(drawing, u"Room", {1, 0}, true);
  drawing.undo.EndUndoGroup();
  Drawing symbol;
  symbol.New();
  symbol.entities.AddTail(new LineEntity({0, 0}, {0, 4}, symbol.settings));
  ASSERT_NE(ImportSymbol(drawing, symbol, u"room"), nullptr);
  const InsertEntity* reference = drawing.entities.Head()->AsInsert();
  EXPECT_EQ(reference->expanded.Head()->AsLine()->end, Point(0, 4));
  EXPECT_EQ(drawing.blocks.size(), 1u);
  drawing.undo.EndUndoGroup();
  ASSERT_TRUE(drawing.undo.Undo());
  EXPECT_EQ(reference->expanded.Head()->AsLine()->end, Point(1, 0));
}

TEST(SymbolImport, AnEmptyNameImportsNothing) {
  Drawing drawing;
  drawing.New();
  Drawing symbol;
  symbol.New();
  AddBlock(symbol, u"Door", {1, 0}, true);
  EXPECT_EQ(ImportSymbol(drawing, symbol, u""), nullptr);
  EXPECT_EQ(drawing.blocks.size(), 0u);
  EXPECT_FALSE(drawing.undo.CanUndo());
}

TEST(SymbolImport, ABlockTheDrawingHoldsAlreadyIsKeptAndShownByTheSymbolsReferences) {
  Drawing drawing;
  drawing.New();
  AddBlock(drawing, u"Door", {1, 0}, false);
  Drawing symbol;
  symbol.New();
  AddBlock(symbol, u"Door", {0, 5}, true);
  BlockDefinition* block = ImportSymbol(drawing, symbol, u"Room");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(drawing.blocks.Find(u"Door")->Head()->AsLine()->end, Point(1, 0));
  const InsertEntity* door = block->Head()->AsInsert();
  ASSERT_EQ(door->expanded.size(), 1u);
  EXPECT_EQ(door->expanded.Head()->AsLine()->end, Point(1, 0));
}

}  // namespace
}  // namespace korvo
