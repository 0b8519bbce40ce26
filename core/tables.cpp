#include "core/tables.h"

namespace korvo {

void TextStyleTable::MergeFrom(const TextStyleTable& other) {
  for (const TextStyle* style : other) {
    if (Find(style->name) == nullptr) Add(new TextStyle(*style));
  }
}

void TextStyleTable::CopyFrom(const TextStyleTable& other) {
  if (&other == this) return;
  Clear();
  for (const TextStyle* style : other) Add(new TextStyle(*style));
}

BlockDefinition* BlockTable::CreateBlock(std::u16string_view name, const EntityList& entities,
                                         const Point& origin, const Point& basePoint,
                                         const Size& extent) {
  auto* block = new BlockDefinition(std::u16string(name));
  block->origin = origin;
  block->basePoint = basePoint;
  block->extent = extent;
  block->CopyFrom(entities);
  Add(block);
  return block;
}

bool BlockTable::RemoveByName(std::u16string_view name, TableRemoval removal) {
  BlockDefinition* block = Find(name);
  return block != nullptr && Remove(block, removal);
}

bool BlockTable::RemoveBlock(BlockDefinition* block, TableRemoval removal) {
  if (block == nullptr || Find(block->name) != block) return false;
  return Remove(block, removal);
}

}  // namespace korvo
