#include "core/symbol_import.h"

#include <set>

#include "core/block_binding.h"
#include "core/drawing.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// The entries of a table, to tell afterwards which ones an import added.
template <class Table>
auto Members(const Table& table) {
  using Entry = std::remove_pointer_t<typename std::decay_t<decltype(*table.begin())>>;
  return std::set<const Entry*>(table.begin(), table.end());
}

template <class Table, class Before>
void RecordAdded(Drawing& drawing, const Table& table, const Before& before, UndoKind kind) {
  for (auto* entry : table) {
    if (before.count(entry) == 0) drawing.undo.RecordChange(kind, entry);
  }
}

void RenameDefinition(BlockTable& blocks, BlockDefinition* block, std::u16string name) {
  blocks.Remove(block, TableRemoval::Keep);
  block->name = std::move(name);
  blocks.Add(block);
}

// Takes the tables of the entities over into the drawing and records what had to be added.
void ImportTablesRecorded(Drawing& drawing, EntityList& entities) {
  const auto layers = Members(drawing.layers);
  const auto lineTypes = Members(drawing.lineTypes);
  const auto styles = Members(drawing.textStyles);
  ImportTables(entities, drawing.layers, drawing.lineTypes, drawing.textStyles);
  RecordAdded(drawing, drawing.lineTypes, lineTypes, UndoKind::LineTypeAdded);
  RecordAdded(drawing, drawing.layers, layers, UndoKind::LayerAdded);
  RecordAdded(drawing, drawing.textStyles, styles, UndoKind::TextStyleAdded);
}

void RebindEverywhere(Drawing& drawing, const BlockDefinition& block) {
  RebindBlock(drawing.entities, block);
  for (BlockDefinition* other : drawing.blocks) {
    if (other != &block) RebindBlock(*other, block);
  }
}

}  // namespace

bool IsFreeLineBlockName(std::u16string_view name) {
  return name.size() >= kFreeLineBlockPrefix.size() &&
         EqualsNoCase(name.substr(0, kFreeLineBlockPrefix.size()), kFreeLineBlockPrefix);
}

std::vector<std::pair<std::u16string, std::u16string>> RenameClashingFreeLineBlocks(
    const Drawing& drawing, Drawing& symbol) {
  std::vector<BlockDefinition*> clashing;
  for (BlockDefinition* block : symbol.blocks) {
    if (IsFreeLineBlockName(block->name) && drawing.blocks.Find(block->name) != nullptr)
      clashing.push_back(block);
  }
  std::vector<std::pair<std::u16string, std::u16string>> renamed;
  int counter = 1;
  for (BlockDefinition* block : clashing) {
    // A new name must be free in both drawings, or it would clash once the blocks move over.
    std::u16string name;
    do {
      name = FormatMessage(u"%s%d", {kFreeLineBlockPrefix, int64_t{counter}});
      ++counter;
    } while (drawing.blocks.Find(name) != nullptr || symbol.blocks.Find(name) != nullptr);
    renamed.emplace_back(block->name, name);
    symbol.RenameBlock(block->name, name);
    RenameDefinition(symbol.blocks, block, name);
  }
  return renamed;
}

BlockDefinition* ImportSymbol(Drawing& drawing, Drawing& symbol, std::u16string_view name) {
  if (name.empty()) return nullptr;
  RenameClashingFreeLineBlocks(drawing, symbol);

  const std::vector<BlockDefinition*> nested(symbol.blocks.begin(), symbol.blocks.end());
  std::vector<BlockDefinition*> moved;
  std::vector<const BlockDefinition*> kept;
  for (BlockDefinition* block : nested) {
    // The symbol's own definition of the name it is inserted under is replaced below.
    if (EqualsNoCase(block->name, name)) continue;
    if (const BlockDefinition* own = drawing.blocks.Find(block->name)) {
      kept.push_back(own);
      continue;
    }
    symbol.blocks.Remove(block, TableRemoval::Keep);
    ImportTablesRecorded(drawing, *block);
    drawing.blocks.Add(block);
    drawing.undo.RecordChange(UndoKind::BlockAdded, block);
    moved.push_back(block);
  }

  ImportTablesRecorded(drawing, symbol.entities);
  Point low, high;
  if (!symbol.entities.GetExtents(low, high)) low = high = symbol.settings.basePoint;
  const Size extent{high.x - low.x, high.y - low.y};
  const Point base = symbol.settings.basePoint;

  // References the symbol brings to blocks the drawing kept show the drawing's definitions.
  for (const BlockDefinition* own : kept) {
    RebindBlock(symbol.entities, *own);
    for (BlockDefinition* block : moved) RebindBlock(*block, *own);
  }

  BlockDefinition* block = drawing.blocks.Find(name);
  if (block == nullptr) {
    block = drawing.blocks.CreateBlock(name, symbol.entities, low, base, extent);
    drawing.undo.RecordChange(UndoKind::BlockAdded, block);
    return block;
  }
  drawing.undo.RecordChange(UndoKind::BlockReloaded, block);
  block->CopyFrom(symbol.entities);
  block->origin = low;
  block->basePoint = base;
  block->extent = extent;
  RebindEverywhere(drawing, *block);
  return block;
}

}  // namespace korvo
