#include "core/vertex_entity.h"

#include <cmath>

#include "core/archive.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/polyline_entity.h"

namespace korvo {
namespace {

bool IsSettableFlag(int value) {
  return value == VertexFlag::CurveFitExtra || value == VertexFlag::CurveFitTangent ||
         value == VertexFlag::SplineFit || value == VertexFlag::SplineFrame;
}

}  // namespace

Entity& VertexEntity::CopyFrom(const Entity& other) {
  if (const VertexEntity* vertex = other.AsVertex()) {
    CopyHeaderFrom(other);
    position = vertex->position;
    startWidth = vertex->startWidth;
    endWidth = vertex->endWidth;
    vertexFlags = vertex->vertexFlags;
    bulge = vertex->bulge;
    tangentDirection = vertex->tangentDirection;
  }
  return *this;
}

void VertexEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  position.Scale(scaling);
  startWidth *= std::fabs(scaling.sx);
  endWidth *= std::fabs(scaling.sx);
  if (scaling.Mirrors()) bulge = -bulge;
}

void VertexEntity::ReadBody(ArchiveReader& archive) {
  position = archive.ReadPoint();
  startWidth = archive.ReadF64();
  endWidth = archive.ReadF64();
  bulge = archive.ReadF64();
  vertexFlags = archive.ReadU8();
  tangentDirection = archive.ReadF64();
}

bool VertexEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WritePoint(position);
  archive.WriteF64(startWidth);
  archive.WriteF64(endWidth);
  archive.WriteF64(bulge);
  archive.WriteU8(vertexFlags);
  archive.WriteF64(tangentDirection);
  return true;
}

bool VertexEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::StartWidth:
      return out = startWidth, true;
    case DxfGroup::EndWidth:
      return out = endWidth, true;
    case DxfGroup::Bulge:
      return out = bulge, true;
    case DxfGroup::TangentDirection:
      return out = tangentDirection, true;
    case DxfGroup::VertexFlags:
      return out = int{vertexFlags}, true;
    default:
      // The editing command addresses the position by the pair in either order.
      return GetCoordinate(
          position, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder),
          out);
  }
}

bool VertexEntity::SetTypeProperty(int code, const PropertyValue& in) {
  bool changed = false;
  switch (code) {
    case DxfGroup::StartWidth:
      changed = GetDouble(in, startWidth);
      break;
    case DxfGroup::EndWidth:
      changed = GetDouble(in, endWidth);
      break;
    case DxfGroup::Bulge:
      changed = GetDouble(in, bulge);
      break;
    case DxfGroup::TangentDirection:
      changed = GetDouble(in, tangentDirection);
      break;
    case DxfGroup::VertexFlags: {
      int value = 0;
      if (!GetInt(in, value) || !IsSettableFlag(value)) return false;
      vertexFlags = static_cast<uint8_t>(value);
      changed = true;
      break;
    }
    default:
      changed = SetCoordinate(
          position, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder),
          in);
      break;
  }
  if (changed && owner != nullptr) owner->segmentsValid = 0;
  return changed;
}

}  // namespace korvo
