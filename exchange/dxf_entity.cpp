// The DXF records of the base and of the kinds that have no record of their own.
#include "core/entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "exchange/dxf_writer.h"

namespace korvo {

bool Entity::WriteDxf(DxfWriter&) const {
  return true;
}

bool WideLineSegmentEntity::WriteDxf(DxfWriter&) const {
  return false;
}

bool WideArcSegmentEntity::WriteDxf(DxfWriter&) const {
  return false;
}

}  // namespace korvo
