// The DXF record of a block reference.
#include "core/insert_entity.h"
#include "exchange/dxf_templates.h"
#include "exchange/dxf_writer.h"

namespace korvo {

bool InsertEntity::WriteDxf(DxfWriter& writer) const {
  writer.WriteEntity(DxfInsertTemplate(), *this, [&](DxfField field) {
    switch (field) {
      case DxfField::AttribFollow:
        // Only attributes may stand between an INSERT with 66 = 1 and its SEQEND; the
        // attached entities follow as ordinary entities instead.
        return writer.Literal("0\n");
      case DxfField::BlockName:
        return writer.Text(blockName, DxfSpaces::Keep);
      case DxfField::XCoord1:
        return writer.Real(insertionPoint.x);
      case DxfField::YCoord1:
        return writer.Real(insertionPoint.y);
      case DxfField::XScale:
        return writer.Real(xScale);
      case DxfField::YScale:
        return writer.Real(yScale);
      case DxfField::InsertRotation:
        return writer.Degrees(rotation);
      default:
        return;
    }
  });
  writer.WriteEntities(attached);
  return !writer.failed();
}

}  // namespace korvo
