// Block references, and dimensions as references to the blocks that draw them.
#include <cmath>
#include <numbers>

#include "core/insert_entity.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"

namespace korvo {

std::unique_ptr<Entity> BuildDxfInsert(const DxfRecord& record, DxfImportContext& context) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!ocs.planar) {
    context.Skip("INSERT not in the xy plane");
    return nullptr;
  }
  auto insert = std::make_unique<InsertEntity>();
  context.ApplyCommon(record, *insert);
  insert->blockName = context.DecodeName(record.Text(2));
  insert->insertionPoint = ocs.Map(record.PointAt(10));
  insert->xScale = record.Real(41, 1.0);
  insert->yScale = record.Real(42, 1.0);
  insert->rotation = record.Real(50, 0) * std::numbers::pi / 180.0;
  if (!AllUsable({insert->insertionPoint.x, insert->insertionPoint.y, insert->xScale,
                  insert->yScale, insert->rotation})) {
    context.Skip("INSERT with unusable numbers");
    return nullptr;
  }
  if (ocs.mirrored) {
    // Mirroring x after turning by r and scaling by (sx, sy) is turning by -r after
    // scaling by (-sx, sy).
    insert->rotation = -insert->rotation;
    insert->xScale = -insert->xScale;
  }
  return insert;
}

std::unique_ptr<Entity> BuildDxfDimension(const DxfRecord& record, DxfImportContext& context) {
  const std::string_view block = record.Text(2);
  if (block.empty()) {
    context.Skip("DIMENSION without a block");
    return nullptr;
  }
  // The block draws the dimension in world coordinates.
  auto insert = std::make_unique<InsertEntity>();
  context.ApplyCommon(record, *insert);
  insert->blockName = context.DecodeName(block);
  return insert;
}

}  // namespace korvo
