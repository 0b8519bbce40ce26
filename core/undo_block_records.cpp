#include <utility>

#include "core/block_binding.h"
#include "core/drawing.h"
#include "core/undo_membership_record.h"
#include "core/undo_table_records.h"

namespace korvo {
namespace {

// References to `block` in the drawing and in the other definitions take its entities again.
void RebindEverywhere(Drawing& drawing, const BlockDefinition& block) {
  RebindBlock(drawing.entities, block);
  for (BlockDefinition* other : drawing.blocks) {
    if (other != &block) RebindBlock(*other, block);
  }
}

std::unique_ptr<BlockDefinition> CopyBlock(const BlockDefinition& block) {
  auto copy = std::make_unique<BlockDefinition>(block.name);
  copy->CopyFrom(block);
  copy->origin = block.origin;
  copy->basePoint = block.basePoint;
  copy->extent = block.extent;
  return copy;
}

// The definition is found by name each time: a reload may have put a new object under it.
class BlockReloadedRecord : public UndoRecord {
 public:
  explicit BlockReloadedRecord(std::unique_ptr<BlockDefinition> saved)
      : UndoRecord(UndoKind::BlockReloaded), saved_(std::move(saved)) {}

  void Undo(Drawing& drawing) override { Exchange(drawing); }
  void Redo(Drawing& drawing) override { Exchange(drawing); }
  void Discard(Drawing&, GroupState, const TextStyleHeld&) override { saved_.reset(); }

 private:
  void Exchange(Drawing& drawing) {
    if (!saved_) return;
    BlockDefinition* live = drawing.blocks.Find(saved_->name);
    if (live == nullptr) return;
    // Only the contents move; the definition stays the table's object.
    EntityList parts;
    parts.AppendAll(*live);
    live->AppendAll(*saved_);
    saved_->AppendAll(parts);
    std::swap(live->origin, saved_->origin);
    std::swap(live->basePoint, saved_->basePoint);
    std::swap(live->extent, saved_->extent);
    RebindEverywhere(drawing, *live);
  }

  std::unique_ptr<BlockDefinition> saved_;
};

}  // namespace

std::unique_ptr<UndoRecord> MakeBlockUndoRecord(Drawing& drawing, UndoKind kind,
                                                BlockDefinition* block) {
  using Record = MembershipRecord<BlockDefinition, BlockTable>;
  if (block == nullptr) return nullptr;
  auto rebind = [&drawing](BlockDefinition& putBack) { RebindEverywhere(drawing, putBack); };
  switch (kind) {
    case UndoKind::BlockAdded:
      return std::make_unique<Record>(kind, drawing.blocks, block, Record::Change::Added, rebind);
    case UndoKind::BlockRemoved:
      return std::make_unique<Record>(kind, drawing.blocks, block, Record::Change::Removed, rebind);
    case UndoKind::BlockReloaded:
      return std::make_unique<BlockReloadedRecord>(CopyBlock(*block));
    default:
      return nullptr;
  }
}

}  // namespace korvo
